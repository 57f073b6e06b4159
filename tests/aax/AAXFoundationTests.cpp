/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "AAXHostObjects.h"
#include "AAX_CHostServices.h"
#include "AAX_CString.h"
#include "AAX_Exception.h"
#include "CACFUnknown.h"

#include <locale>

using namespace vostrel::aaxhost;

namespace
{
    /** A decimal comma everywhere, as a user's locale may have it. */
    struct CommaDecimals : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };

    /** Installs a host's diagnostics service for one test. */
    struct InstalledHostServices
    {
        InstalledHostServices()  { AAX_CHostServices::Set (&root); }
        ~InstalledHostServices() { AAX_CHostServices::Set (nullptr); }

        HostServices& services() { return *root.factory.services.front(); }

        HostRoot root;
    };

    /** A component object answering one interface. */
    class Factory : public CACFObject<IACFComponentFactory, IID_IACFComponentFactory>
    {
    public:
        ACFRESULT CreateInstance (const acfCLSID&, IACFUnknown*, const acfIID&, void**) override { return 0; }
    };
}

TEST (AAXString, HoldsBytesUpToTheFirstNul)
{
    EXPECT_EQ (AAX_CString().MaxLength(), 4294967294u);

    const AAX_CString fromNull (nullptr);
    EXPECT_EQ (fromNull.Length(), 0u);
    EXPECT_STREQ (fromNull.Get(), "");

    AAX_CString withNul ("axb");
    withNul[1] = '\0';
    EXPECT_TRUE (withNul == AAX_CString ("a"));
    EXPECT_FALSE (AAX_CString ("a") == AAX_CString ("ab"));
    EXPECT_TRUE (AAX_CString ("a") != "b");
}

TEST (AAXString, EraseAndSubStringStayInsideTheText)
{
    AAX_CString text ("hello world");
    EXPECT_STREQ (AAX_CString (text).Erase (5, 10).Get(), "hello");
    EXPECT_STREQ (AAX_CString (text).Erase (5, 1).Get(), "helloworld");
    EXPECT_STREQ (AAX_CString (text).Erase (11, 3).Get(), "hello world");
    EXPECT_STREQ (AAX_CString (text).Erase (40, 0xFFFFFFFFu).Get(), "hello world");

    AAX_CString out ("unchanged");
    AAX_CString ("hello").SubString (2, 100, &out);
    EXPECT_STREQ (out.Get(), "llo");
    AAX_CString ("hello").SubString (9, 2, &out);
    EXPECT_STREQ (out.Get(), "");
    AAX_CString ("hello").SubString (0, 1, nullptr);
}

TEST (AAXString, NumbersUseTheClassicLocaleWhateverTheGlobalOne)
{
    const auto previous = std::locale::global (std::locale (std::locale::classic(), new CommaDecimals()));

    EXPECT_STREQ (AAX_CString ("x=").AppendNumber (2.0, 3).Get(), "x=2.000");
    EXPECT_STREQ (AAX_CString().AppendNumber (-1.0, 0).Get(), "-1");
    EXPECT_STREQ (AAX_CString().AppendNumber (12345.5, 1).Get(), "12345.5");

    double value = 7.0;
    EXPECT_TRUE (AAX_CString ("  3.25").ToDouble (&value));
    EXPECT_DOUBLE_EQ (value, 3.25);
    EXPECT_TRUE (AAX_CString ("12.5 dB").ToDouble (&value));
    EXPECT_DOUBLE_EQ (value, 12.5);
    EXPECT_FALSE (AAX_CString ("abc").ToDouble (&value));
    EXPECT_EQ (value, 0.0);
    EXPECT_FALSE (AAX_CString ("").ToDouble (&value));

    std::locale::global (previous);
}

TEST (AAXResults, NamesAndRanges)
{
    EXPECT_EQ (AAX::AsStringResult (-20046), "AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW");
    EXPECT_EQ (AAX::AsStringResult (-20001), "AAX_ERROR_INVALID_PARAMETER_ID");
    EXPECT_EQ (AAX::AsStringResult (-20022), "AAX_RESULT_PACKET_STREAM_NOT_EMPTY");
    EXPECT_EQ (AAX::AsStringResult (0), "AAX_SUCCESS");

    for (auto code : { -21000, -20800, -20600 })
        EXPECT_EQ (AAX::AsStringResult (code), "plug-in defined error");

    for (auto code : { -20000, -20047, -20599, -21001, 1, 20700, -333 })
        EXPECT_EQ (AAX::AsStringResult (code), "<unknown error code>");
}

TEST (AAXResults, CheckedResultThrowsTracesAndResets)
{
    InstalledHostServices host;

    EXPECT_NO_THROW (AAX_CheckedResult (0));

    AAX_CheckedResult result;

    try
    {
        result = AAX_ERROR_NULL_OBJECT;
        FAIL() << "no exception";
    }
    catch (const AAX::Exception::ResultError& error)
    {
        EXPECT_EQ (error.Result(), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (error.What(), "AAX_ERROR_NULL_OBJECT (-20004)");
    }

    EXPECT_EQ (result.Result(), 0);
    EXPECT_EQ (result.LastError(), AAX_ERROR_NULL_OBJECT);

    ASSERT_EQ (host.services().traces.size(), 1u);
    EXPECT_EQ (host.services().traces[0].first, 0x04000000);
    EXPECT_EQ (host.services().traces[0].second, "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)");

    result.AddAcceptedResult (AAX_ERROR_UNIMPLEMENTED);
    EXPECT_NO_THROW (result = AAX_ERROR_UNIMPLEMENTED);
    result.ResetAcceptedResults();
    EXPECT_THROW (result = AAX_ERROR_UNIMPLEMENTED, AAX::Exception::ResultError);
    EXPECT_EQ (AAX::Exception::Any::CreateWhat ("d", "f", "9"), "d func:f line:9");
}

TEST (AAXComponentObjects, QueriesReferencesAndLiveCount)
{
    const auto liveBefore = CACFUnknown::GetActiveObjectCount();
    auto* object = new Factory();
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore + 1);

    void* answer = nullptr;
    ASSERT_EQ (object->QueryInterface (IID_IACFComponentFactory, &answer), 0);
    EXPECT_EQ (answer, static_cast<IACFComponentFactory*> (object));
    EXPECT_EQ (object->AddRef(), 2u);
    EXPECT_EQ (object->Release(), 1u);

    void* inner = nullptr;
    ASSERT_EQ (object->QueryInterface (IID_IACFUnknown, &inner), 0);
    EXPECT_NE (inner, answer);

    auto nearlyFactory = IID_IACFComponentFactory;
    nearlyFactory.Data4[7] ^= 1;
    answer = object;
    EXPECT_EQ (object->QueryInterface (nearlyFactory, &answer), ACF_E_NOINTERFACE);
    EXPECT_EQ (answer, nullptr);
    EXPECT_EQ (object->QueryInterface (IID_IAAXEffectGUIV1, &answer), ACF_E_NOINTERFACE);
    EXPECT_EQ (object->QueryInterface (IID_IACFUnknown, nullptr), AAX_ERROR_NULL_ARGUMENT);

    EXPECT_EQ (static_cast<IACFUnknown*> (inner)->Release(), 1u);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore + 1);
    EXPECT_EQ (object->Release(), 0u);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore);
}

TEST (AAXHostServices, SilentUntilInstalledAndInstalledOnce)
{
    HostRoot root;
    EXPECT_EQ (AAX_CHostServices::Trace (0x08000000, "nobody hears %d", 1), 0);
    EXPECT_EQ (AAX_CHostServices::HandleAssertFailure ("f", 1, "c", 1), 0);
    EXPECT_TRUE (root.factory.services.empty());

    AAX_CHostServices::Set (&root);
    auto* installed = AAX_CHostServices::Get();
    AAX_CHostServices::Set (&root);
    EXPECT_EQ (AAX_CHostServices::Get(), installed);
    ASSERT_EQ (root.factory.services.size(), 1u);
    EXPECT_EQ (root.factory.services.front()->references(), 4); // the host's own and one per version

    AAX_CHostServices::Set (nullptr);
    AAX_CHostServices::Set (nullptr);
    EXPECT_EQ (AAX_CHostServices::Get(), nullptr);
    EXPECT_EQ (root.factory.services.front()->references(), 1);
    EXPECT_EQ (root.factory.references(), 1);
}

TEST (AAXHostServices, TracesAreCutAndTextsAreNeverFormats)
{
    InstalledHostServices host;
    const std::string longText (600, 'x');
    AAX_CHostServices::Trace (0x08000000, "%s", longText.c_str());
    AAX_CHostServices::Trace (0x08000000, "caught: %s", "%s%n%d");

    auto& traces = host.services().traces;
    ASSERT_EQ (traces.size(), 2u);
    EXPECT_EQ (traces[0].second, std::string (511, 'x'));
    EXPECT_EQ (traces[1].second, "caught: %s%n%d");

    AAX_CHostServices::HandleAssertFailure ("file.cpp", 12, "0 < numSteps", 1);
    EXPECT_EQ (host.services().assertions, std::vector<std::string> { "0 < numSteps" });
}

TEST (AAXHostServices, EachVersionMayBeMissing)
{
    HostRoot root;
    root.factory.omitFor (AAXCompID_HostServices, IID_IAAXHostServicesV2);
    root.factory.omitFor (AAXCompID_HostServices, IID_IAAXHostServicesV3);

    {
        AAX_VHostServices services (&root);
        EXPECT_EQ (services.Trace (0x08000000, "reaches the first version"), 0);
        EXPECT_EQ (services.StackTrace (1, 2, "no second version"), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ (services.HandleAssertFailure ("f", 1, "no third version", 1), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (root.factory.services.front()->traces.size(), 1u);
        EXPECT_TRUE (root.factory.services.front()->assertions.empty());
    }

    EXPECT_EQ (root.factory.services.front()->references(), 1);

    AAX_VHostServices empty (nullptr);
    EXPECT_EQ (empty.Trace (0, "x"), AAX_ERROR_NULL_OBJECT);
}
