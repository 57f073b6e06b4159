/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The corrections on text in the framework's layout; the built bundle's own
// description is checked by lv2_validate in the host tests.

#include <gtest/gtest.h>

#include "Lv2Description.h"

using namespace vostrel::lv2;

namespace
{
    const std::string uri = "https://example.com/p";

    const std::string plugin = "<https://example.com/p>\n"
                               "\ta lv2:Plugin ;\n"
                               "\tdoap:maintainer [\n"
                               "\t\tfoaf:name \"Tervix\" ;\n"
                               "\t\tfoaf:mbox <> ;\n"
                               "\t] ;\n"
                               "\tlv2:optionalFeature\n"
                               "\t\tlv2:hardRTCapable ;\n"
                               "\tlv2:requiredFeature\n"
                               "\t\turid:map ,\n"
                               "\t\topts:options ,\n"
                               "\t\tbufs:boundedBlockLength .\n";

    std::string parameter (const std::string& range, const std::string& values)
    {
        return "plug:x\n\ta lv2:Parameter ;\n" + range + "\tlv2:scalePoint " + values + " .\n\n";
    }

    std::string point (const std::string& value)
    {
        return "[\n\t\trdfs:label \"p\" ;\n\t\trdf:value " + value + " ;\n\t]";
    }
}

TEST (Lv2Description, ScalePointsAreSpreadOverThePlainRangeAndThePluginIsFiledByClass)
{
    const auto text = parameter ("\tlv2:minimum -1 ;\n\tlv2:maximum 3\t ;\n",
                                 point ("0") + ", " + point ("0.5") + ", " + point ("1"))
                    + "plug:y\n\ta lv2:Parameter ;\n\tlv2:minimum 0 ;\n\tlv2:maximum 1 .\n\n"
                    + plugin;

    EXPECT_EQ (correctPluginDescription (text, uri, "EQPlugin"),
               parameter ("\tlv2:minimum -1 ;\n\tlv2:maximum 3\t ;\n",
                          point ("-1") + ", " + point ("1") + ", " + point ("3"))
             + "plug:y\n\ta lv2:Parameter ;\n\tlv2:minimum 0 ;\n\tlv2:maximum 1 .\n\n"
             + "<https://example.com/p>\n"
               "\ta lv2:Plugin , lv2:EQPlugin , doap:Project ;\n"
               "\tdoap:maintainer [\n"
               "\t\tfoaf:name \"Tervix\" ;\n"
               "\t] ;\n"
               "\tlv2:optionalFeature\n"
               "\t\tbufs:boundedBlockLength ,\n"
               "\t\topts:options ,\n"
               "\t\tlv2:hardRTCapable ;\n"
               "\tlv2:requiredFeature\n"
               "\t\turid:map .\n");
}

TEST (Lv2Description, ListsKeepTheirPunctuationAndTheProgramPropertyIsDeclaredWhenUsed)
{
    const std::string ui = "<https://example.com/p:UI>\n"
                           "\tlv2:extensionData\n\t\topts:interface ,\n\t\tui:noUserResize ;\n\n"
                           "\tlv2:optionalFeature\n\t\topts:interface ,\n\t\topts:options .\n";

    EXPECT_EQ (correctUiDescription (ui, uri),
               "<https://example.com/p:UI>\n"
               "\tlv2:extensionData\n\t\topts:interface ;\n\n"
               "\tlv2:optionalFeature\n\t\topts:options .\n");

    const std::string manifest = "<https://example.com/p>\n\ta lv2:Plugin .\n\n";
    const std::string preset = "<https://example.com/p:preset1>\n"
                               "\tstate:state [ <https://example.com/p:Program> \"0\"^^xsd:int ; ] .\n\n";

    EXPECT_EQ (correctManifest (manifest, uri), manifest);
    const auto declared = correctManifest (manifest + preset, uri);
    EXPECT_EQ (declared.rfind (manifest + preset, 0), 0u);
    EXPECT_NE (declared.find ("<https://example.com/p:Program>\n\ta rdf:Property"), std::string::npos);
}

TEST (Lv2Description, TextOutOfTheFrameworksLayoutStopsTheBuild)
{
    const std::string uiWithoutHint = "<https://example.com/p:UI>\n\tlv2:extensionData\n\t\tui:resize ;\n"
                                      "\tlv2:optionalFeature\n\t\topts:interface ,\n\t\topts:options .\n";
    const std::string uiWithOnlyTheHint = "<https://example.com/p:UI>\n\tlv2:extensionData\n\t\tui:noUserResize ;\n"
                                          "\tlv2:optionalFeature\n\t\topts:interface ,\n\t\topts:options .\n";

    EXPECT_THROW (correctPluginDescription ("", uri, "EQPlugin"), DescriptionError);
    EXPECT_THROW (correctPluginDescription (plugin.substr (0, plugin.size() - 2), uri, "EQPlugin"), DescriptionError);
    EXPECT_THROW (correctPluginDescription ("<https://example.com/p>\n\ta lv2:InstrumentPlugin .\n", uri, "EQPlugin"),
                  DescriptionError);
    EXPECT_THROW (correctPluginDescription (parameter ("\tlv2:minimum 0 ;\n", point ("0") + ", " + point ("1")) + plugin,
                                            uri, "EQPlugin"),
                  DescriptionError);
    EXPECT_THROW (correctPluginDescription (parameter ("\tlv2:minimum 0 ;\n\tlv2:maximum x ;\n", point ("0")) + plugin,
                                            uri, "EQPlugin"),
                  DescriptionError);
    EXPECT_THROW (correctUiDescription (uiWithoutHint, uri), DescriptionError);
    EXPECT_THROW (correctUiDescription (uiWithOnlyTheHint, uri), DescriptionError);
    EXPECT_THROW (correctManifest ("<https://example.com/other>\n\ta lv2:Plugin .\n", uri), DescriptionError);
}
