/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "PresetXml.h"
#include "ProcessorTestHelpers.h"
#include "TestSupport.h"

using namespace vostrel::test;

namespace
{
    juce::String fileText (const juce::XmlElement& xml)
    {
        juce::MemoryOutputStream out;
        xml.writeTo (out); // the preset files' format
        return out.toString();
    }

    std::unique_ptr<juce::XmlElement> parse (const juce::String& text)
    {
        return PresetXml::parse (text);
    }

    /** A single preset whose "Properties" holds the given Value elements. */
    juce::String presetWith (const juce::String& values, const juce::String& extraAttributes = "presetVersion=\"1.0\"")
    {
        return "<tervixPatch version=\"1.0\"><DeviceName>Vostrel ZR2814</DeviceName>"
               "<Properties deviceProductID=\"com.tervix.VostrelZR2814\" deviceVersion=\"1.2.0\" "
               + extraAttributes + ">" + values + "</Properties></tervixPatch>";
    }

    juce::String value (const juce::String& property, const juce::String& text, const juce::String& tag = "Value")
    {
        return "<" + tag + " property=\"" + property + "\" type=\"number\">" + text + "</" + tag + ">";
    }

    juce::MemoryBlock stateOf (VostrelZR2814AudioProcessor& p)
    {
        juce::MemoryBlock block;
        p.getStateInformation (block);
        return block;
    }

    /** Text bytes in the framework's binary state form, as a host may hand them
        back: nothing after the text, so that a read past it is caught. */
    juce::MemoryBlock wrapBytes (const std::string& text)
    {
        juce::MemoryBlock block;
        block.append ("VC2!", 4);
        const auto length = (juce::uint32) text.size();
        block.append (&length, 4);
        block.append (text.data(), text.size());
        return block;
    }

    juce::MemoryBlock wrap (const juce::String& xmlText)
    {
        juce::MemoryBlock block;
        juce::AudioProcessor::copyXmlToBinary (*juce::XmlDocument::parse (xmlText), block);
        return block;
    }

    void fillSlots (VostrelZR2814AudioProcessor& p)
    {
        for (int program = 0; program < 12; ++program)
        {
            auto& slot = p.programs[program];
            slot.activeChannel = program % 2;

            for (int c = 0; c < 2; ++c)
            {
                slot.presetPath[c] = "Bank " + juce::String (program) + "/Side " + juce::String (c) + ".tzrp";

                // Values a preset can hold: on or off, a choice, numbers of five decimals.
                slot.values[c][paramOnBypass] = (float) ((program + c) % 2);
                slot.values[c][paramEqualizerType] = normalisedFromStored ((float) ((program + c) % 3),
                                                                           *p.paramInfos[paramEqualizerType]);

                for (int i = paramFreqLevel1; i < numParameters; ++i)
                    slot.values[c][i] = (float) ((program * 7 + c * 3 + i) % 11) / 10.0f;
            }
        }
    }
}

TEST (PresetXml, SinglePresetFileText)
{
    VostrelZR2814AudioProcessor p;
    setParameter (p, paramEqualizerType, 1.0f);
    setParameter (p, paramFreqLevel1, 0.5f);
    setParameter (p, paramFreqLevel7, 1.0f);
    p.setParameterFromIndex (paramFreqLevel3, 0.123456f);
    p.setParameterFromIndex (paramOnBypass, 0.7f); // on, as the processor counts it

    const juce::String expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "\r\n"
        "<tervixPatch version=\"1.0\">\r\n"
        "  <DeviceName>Vostrel ZR2814</DeviceName>\r\n"
        "  <Properties deviceProductID=\"com.tervix.VostrelZR2814\" deviceVersion=\"1.2.0\"\r\n"
        "              presetVersion=\"1.0\">\r\n"
        "    <Value property=\"onBypass\" type=\"boolean\">true</Value>\r\n"
        "    <Value property=\"equalizerType\" type=\"number\">2</Value>\r\n"
        "    <Value property=\"freqLevel1\" type=\"number\">0.50000</Value>\r\n"
        "    <Value property=\"freqLevel2\" type=\"number\">0.00000</Value>\r\n"
        "    <Value property=\"freqLevel3\" type=\"number\">0.12346</Value>\r\n"
        "    <Value property=\"freqLevel4\" type=\"number\">0.00000</Value>\r\n"
        "    <Value property=\"freqLevel5\" type=\"number\">0.00000</Value>\r\n"
        "    <Value property=\"freqLevel6\" type=\"number\">0.00000</Value>\r\n"
        "    <Value property=\"freqLevel7\" type=\"number\">1.00000</Value>\r\n"
        "    <Value property=\"level\" type=\"number\">0.00000</Value>\r\n"
        "  </Properties>\r\n"
        "</tervixPatch>\r\n";

    EXPECT_EQ (fileText (*p.writePreset (true)), expected);

    p.setParameterFromIndex (paramOnBypass, 0.3f);
    EXPECT_TRUE (fileText (*p.writePreset (true)).contains ("type=\"boolean\">false<"));
}

TEST (PresetXml, SinglePresetRoundTrip)
{
    VostrelZR2814AudioProcessor writer, reader;
    const float values[] = { 0.0f, 0.5f, 0.33333f, 0.9f, 0.1f, 0.25f, 0.75f, 0.6f, 0.05f, 0.95f };

    for (int i = 0; i < numParameters; ++i)
        setParameter (writer, i, values[i]);

    auto xml = parse (fileText (*writer.writePreset (true)));
    ASSERT_NE (xml, nullptr);

    reader.programs[0].activeChannel = channelB;
    reader.prepareToPlay (44100.0, 512);
    EXPECT_EQ (reader.readPreset (xml.get(), true), presetLoaded);

    for (int i = 0; i < numParameters; ++i)
    {
        EXPECT_NEAR (reader.programs[0].values[channelB][i], writer.programs[0].values[0][i], 1e-5f) << i;
        EXPECT_NEAR (reader.getParameters()[i]->getValue(), writer.getParameters()[i]->getValue(), 1e-5f) << i;
    }

    EXPECT_EQ (reader.getCurrentType(), typeBass);
    EXPECT_TRUE (reader.modelsInSync);

    // The other side is untouched.
    EXPECT_EQ (reader.programs[0].values[channelA][paramFreqLevel3], 0.0f);
}

TEST (PresetXml, HostStateRoundTripIsByteIdentical)
{
    VostrelZR2814AudioProcessor original;
    fillSlots (original);
    original.setCurrentProgram (7);
    const auto saved = stateOf (original);

    VostrelZR2814AudioProcessor restored;
    restored.prepareToPlay (48000.0, 256);
    restored.setStateInformation (saved.getData(), (int) saved.getSize());

    EXPECT_EQ (restored.getCurrentProgram(), 7);
    EXPECT_EQ (restored.programs[7].activeChannel, channelB);
    EXPECT_EQ (restored.getProgramName (7), "Side 1");
    EXPECT_EQ (stateOf (restored), saved);

    // The live parameters follow the restored slot.
    for (int i = 0; i < numParameters; ++i)
        EXPECT_NEAR (restored.getParameters()[i]->getValue(), restored.programs[7].values[channelB][i], 1e-5f) << i;

    // So does a bank whose every preset path is as long as a path can be, in
    // characters the writer spells out as references.
    const auto longPath = juce::String::repeatedString (juce::CharPointer_UTF8 ("\xd0\x96"), 2047) + ".tzrp";

    for (auto& slot : original.programs)
        slot.presetPath[channelA] = slot.presetPath[channelB] = longPath;

    const auto savedLong = stateOf (original);
    restored.setStateInformation (savedLong.getData(), (int) savedLong.getSize());
    EXPECT_EQ (restored.programs[11].presetPath[channelB], longPath);
    EXPECT_EQ (stateOf (restored), savedLong);

    // A fresh instance's bank survives the same trip.
    VostrelZR2814AudioProcessor fresh, copy;
    const auto freshState = stateOf (fresh);
    copy.setStateInformation (freshState.getData(), (int) freshState.getSize());
    EXPECT_EQ (stateOf (copy), freshState);
    EXPECT_EQ (copy.getCurrentProgram(), 0);
}

TEST (PresetXml, CurrentProgramStateRoundTrip)
{
    VostrelZR2814AudioProcessor original, restored;
    fillSlots (original);
    original.setCurrentProgram (4);
    juce::MemoryBlock block;
    original.getCurrentProgramStateInformation (block);
    auto xml = juce::AudioProcessor::getXmlFromBinary (block.getData(), (int) block.getSize());
    ASSERT_NE (xml, nullptr);
    EXPECT_EQ (xml->getChildByName ("Properties")->getIntAttribute ("activeChannel"), 0);

    restored.setCurrentProgram (2);
    restored.setCurrentProgramStateInformation (block.getData(), (int) block.getSize());

    for (int c = 0; c < 2; ++c)
    {
        EXPECT_EQ (restored.programs[2].presetPath[c], original.programs[4].presetPath[c]);

        for (int i = 0; i < numParameters; ++i)
            EXPECT_NEAR (restored.programs[2].values[c][i], original.programs[4].values[c][i], 1e-5f);
    }
}

TEST (PresetXml, SessionsRestoreWhateverThePresetPathsHold)
{
    // A file name as it lies on disk, the way the writer spells it, and whether the
    // restored path holds the same bytes. The writer spells each character the
    // framework decodes as &#N;: a lead byte 1110xxxx, F0 to FF or 10xxxxxx keeps
    // its low 4, 4 or 7 bits and adds 6 bits for each continuation byte (10xxxxxx)
    // that follows, so a Latin-1 E9 before "." gives 9, and CP1252's quotes 93
    // and 94 give 19 and 20; those names come back as others.
    struct Case { const char* what; const char* name; const char* spelt; bool kept; };

    const Case cases[] = {
        { "Latin-1", "caf\xe9.tzrp", "caf&#9;.tzrp", false },
        { "Windows-1252", "\x93Warm\x94.tzrp", "&#19;Warm&#20;.tzrp", false },
        { "a surrogate", "Old/\xed\xa0\x80.tzrp", "Old/&#55296;.tzrp", true },                   // 0xD << 12 | 0x20 << 6
        { "past U+10FFFF", "\xf7\xb0\xb1\xb2.tzrp", "&#2034802;.tzrp", true },                 // 7 << 18 | 0x30 << 12 | 0x31 << 6 | 0x32
        { "Latin-1 past U+1FFFFF", "\xfc\xa3\xa3\xa3.tzrp", "&#3291363;.tzrp", true },         // 0xC << 18 | 0x23 << 12 | 0x23 << 6 | 0x23
        { "valid non-ASCII", "Gr\xc3\xbc\xc3\x9f" "e/\xf0\x9f\x98\x80.tzrp", "Gr&#252;&#223;e/&#128512;.tzrp", true },
    };

    for (const auto& c : cases)
    {
        const auto name = rawBytes (c.name);
        VostrelZR2814AudioProcessor original;
        fillSlots (original);
        original.programs[5].presetPath[channelB] = name;
        original.setCurrentProgram (5);
        const auto saved = stateOf (original);
        const juce::String savedText (static_cast<const char*> (saved.getData()) + 8);
        EXPECT_TRUE (savedText.contains ("presetPath=\"" + juce::String (c.spelt) + "\"")) << c.what;

        VostrelZR2814AudioProcessor restored;
        restored.setStateInformation (saved.getData(), (int) saved.getSize());
        EXPECT_EQ (restored.getCurrentProgram(), 5) << c.what;

        for (int program = 0; program < 12; ++program)
        {
            const auto& from = original.programs[program];
            const auto& to = restored.programs[program];
            EXPECT_EQ (to.activeChannel, from.activeChannel) << c.what << " " << program;

            for (int side = 0; side < 2; ++side)
            {
                const bool odd = program == 5 && side == channelB;
                EXPECT_EQ (to.presetPath[side].toStdString() == from.presetPath[side].toStdString(), ! odd || c.kept)
                    << c.what << " " << program << " " << side;

                for (int i = 0; i < numParameters; ++i)
                    EXPECT_NEAR (to.values[side][i], from.values[side][i], 1e-5f) << c.what << " " << program;
            }
        }

        // What comes back is written again as it was read, and the check that keeps
        // such names out of the preset menu agrees with what a session keeps.
        EXPECT_EQ (stateOf (restored), saved) << c.what;
        EXPECT_EQ (PresetXml::survivesWriting (name), c.kept) << c.what;

        // The current program's form carries the same paths.
        juce::MemoryBlock program;
        original.getCurrentProgramStateInformation (program);
        VostrelZR2814AudioProcessor other;
        other.setCurrentProgramStateInformation (program.getData(), (int) program.getSize());
        EXPECT_EQ (other.programs[0].presetPath[channelB].toStdString() == name.toStdString(), c.kept) << c.what;
        EXPECT_EQ (other.programs[0].activeChannel, channelB) << c.what;
    }
}

TEST (PresetXml, AStateNamingAPathLongerThanTheSystemAllowsLoadsWhole)
{
    // Such a path names no file: its slot has no program name, and the rest of
    // the session, the path itself included, comes back as it was saved.
    VostrelZR2814AudioProcessor original;
    fillSlots (original);
    original.programs[7].presetPath[channelB] = juce::String::repeatedString ("/", 100000);
    original.programs[8].presetPath[channelA] = juce::String::repeatedString ("A", 100000) + ".tzrp";
    original.setCurrentProgram (7);
    const auto saved = stateOf (original);

    VostrelZR2814AudioProcessor restored;
    restored.setStateInformation (saved.getData(), (int) saved.getSize());
    EXPECT_EQ (stateOf (restored), saved);
    EXPECT_EQ (restored.getCurrentProgram(), 7);

    for (int i = 0; i < numParameters; ++i)
        EXPECT_NEAR (restored.getParameters()[i]->getValue(), original.programs[7].values[channelB][i], 1e-5f) << i;

    EXPECT_EQ (restored.getProgramName (7), "");
    EXPECT_EQ (restored.getProgramName (8), "");
    EXPECT_EQ (restored.getProgramName (9), "Side 1");
}

TEST (PresetXml, ReadResults)
{
    VostrelZR2814AudioProcessor p;
    const auto body = value ("freqLevel2", "0.40000");

    EXPECT_EQ (p.readPreset (nullptr, true), presetInvalid);
    EXPECT_EQ (p.readPreset (nullptr, false), presetInvalid);
    EXPECT_EQ (p.readPreset (parse ("<otherPatch><Properties/></otherPatch>").get(), true), presetInvalid);
    EXPECT_EQ (p.readPreset (parse ("<tervixPatch><DeviceName/></tervixPatch>").get(), true), presetInvalid);
    EXPECT_EQ (p.programs[0].values[0][paramFreqLevel2], 0.0f);

    // Another product, or the identifier not in first place, is refused untouched.
    EXPECT_EQ (p.readPreset (parse (presetWith (body).replace ("com.tervix.VostrelZR2814", "com.tervix.Other")).get(), true),
               presetOtherProduct);
    EXPECT_EQ (p.readPreset (parse ("<tervixPatch><Properties deviceVersion=\"1.2.0\" deviceProductID=\"com.tervix.VostrelZR2814\">"
                                    + body + "</Properties></tervixPatch>").get(), true),
               presetOtherProduct);
    EXPECT_EQ (p.programs[0].values[0][paramFreqLevel2], 0.0f);

    EXPECT_EQ (p.readPreset (parse (presetWith (body)).get(), true), presetLoaded);
    EXPECT_FLOAT_EQ (p.programs[0].values[0][paramFreqLevel2], 0.4f);
    EXPECT_EQ (p.readPreset (parse (presetWith (body, "")).get(), true), presetLoaded);
    EXPECT_EQ (p.readPreset (parse (presetWith (value ("level", "0.7"), "presetVersion=\"1.1\"")).get(), true),
               presetNewerVersion);
    EXPECT_FLOAT_EQ (p.programs[0].values[0][paramLevel], 0.7f); // loaded all the same

    EXPECT_EQ (p.readPreset (p.writePreset (false).get(), false), bankLoaded);

    // A bank of the wrong kind changes nothing.
    p.setParameterFromIndex (paramFreqLevel6, 0.6f);
    EXPECT_EQ (p.readPreset (parse ("<somethingElse><Properties/></somethingElse>").get(), false), presetInvalid);
    EXPECT_FLOAT_EQ (p.programs[0].values[0][paramFreqLevel6], 0.6f);
}

TEST (PresetXml, ValueDecodingOfOddTexts)
{
    struct Case { const char* property; const char* text; float expected; };

    const Case cases[] = {
        { "onBypass", " true ", 1.0f },
        { "onBypass", "TRUE", 0.0f },
        { "onBypass", "1", 0.0f },
        { "freqLevel1", "  0.25", 0.25f },
        { "freqLevel1", "abc", 0.0f },
        { "freqLevel1", "0.5xyz", 0.5f },
        { "freqLevel1", "7", 1.0f },
        { "freqLevel1", "-2", 0.0f },
        { "equalizerType", "2", 0.9999995f },
        { "equalizerType", "1", 0.4999998f },
    };

    for (const auto& c : cases)
    {
        VostrelZR2814AudioProcessor p;
        p.setParameterFromIndex (paramOnBypass, 0.5f);
        const auto text = juce::String (c.property) == "onBypass"
                              ? "<Value property=\"onBypass\" type=\"boolean\">" + juce::String (c.text) + "</Value>"
                              : value (c.property, c.text);
        EXPECT_EQ (p.readPreset (parse (presetWith (text)).get(), true), presetLoaded);

        int index = 0;

        while (p.paramInfos[index]->name != juce::String (c.property))
            ++index;

        EXPECT_FLOAT_EQ (p.programs[0].values[0][index], c.expected) << c.property << " \"" << c.text << "\"";
    }

    VostrelZR2814AudioProcessor p;
    p.readPreset (parse (presetWith (value ("equalizerType", "2"))).get(), true);
    EXPECT_EQ (p.equalizerTypeParam->getCurrentChoiceName(), "Wide");

    // Keys match exactly; tag names are not looked at.
    p.readPreset (parse (presetWith (value ("FreqLevel2", "0.9") + value ("freqLevel3", "0.8", "value"))).get(), true);
    EXPECT_EQ (p.programs[0].values[0][paramFreqLevel2], 0.0f);
    EXPECT_FLOAT_EQ (p.programs[0].values[0][paramFreqLevel3], 0.8f);
}

TEST (PresetXml, NonFiniteNumbersKeepTheValue)
{
    VostrelZR2814AudioProcessor p;
    p.prepareToPlay (44100.0, 512);
    setParameter (p, paramFreqLevel4, 0.3f);

    for (const char* text : { "nan", "inf", "-inf", "1e400" })
    {
        EXPECT_EQ (p.readPreset (parse (presetWith (value ("freqLevel4", text))).get(), true), presetLoaded);
        EXPECT_FLOAT_EQ (p.programs[0].values[0][paramFreqLevel4], 0.3f) << text;
        EXPECT_FLOAT_EQ (p.freqLevelParams[3]->get(), 0.3f) << text;
    }

    // The same in a host state: the slot keeps what it had.
    auto bank = p.writePreset (false)->toString().replace ("<Value property=\"freqLevel4\" type=\"number\">0.30000",
                                                           "<Value property=\"freqLevel4\" type=\"number\">nan");
    const auto state = wrap (bank);
    p.setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_FLOAT_EQ (p.programs[0].values[0][paramFreqLevel4], 0.3f);
    EXPECT_FLOAT_EQ (p.programs[1].values[0][paramFreqLevel4], 0.0f);
}

TEST (PresetXml, BanksBeyondTheSlotsAreIgnored)
{
    VostrelZR2814AudioProcessor p;
    juce::String presets;

    for (int program = 0; program < 20; ++program)
    {
        presets << "<Preset preset=\"" << program << "\" activeChannel=\"" << (program == 3 ? 5 : 1) << "\">";

        for (int c = 0; c < 4; ++c)
            presets << "<Channel channel=\"" << c << "\" presetPath=\"p" << program << "c" << c << ".tzrp\">"
                    << value ("level", juce::String (0.01 * (program + 1) + 0.1 * c)) << "</Channel>";

        presets << "</Preset>";
    }

    const auto text = "<tervixPatch version=\"1.0\"><Properties deviceProductID=\"x\" deviceVersion=\"1\" "
                      "presetVersion=\"1.0\" activePreset=\"11\">" + presets + "</Properties></tervixPatch>";
    EXPECT_EQ (p.readPreset (parse (text).get(), false), bankLoaded);

    EXPECT_EQ (p.getCurrentProgram(), 11);
    EXPECT_EQ (p.programs[11].activeChannel, channelB);
    EXPECT_EQ (p.programs[3].activeChannel, channelA); // a side that does not exist
    EXPECT_EQ (p.programs[11].presetPath[1], "p11c1.tzrp");
    EXPECT_FLOAT_EQ (p.programs[11].values[1][paramLevel], 0.22f);
    EXPECT_FLOAT_EQ (p.levelParam->get(), 0.22f);

    // An active program that names no slot makes program 0 current, side A.
    const auto none = text.replace ("activePreset=\"11\"", "activePreset=\"99999999999999\"");
    EXPECT_EQ (p.readPreset (parse (none).get(), false), bankLoaded);
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_EQ (p.programs[0].activeChannel, channelA);
}

TEST (PresetXml, OversizedOrDeeplyNestedInputIsRefused)
{
    juce::String deep;

    for (int i = 0; i < 30000; ++i)
        deep << "<a>";

    EXPECT_EQ (parse (deep), nullptr);

    auto nested = [] (int depth)
    {
        juce::String open, close;

        for (int i = 0; i < depth; ++i)
        {
            open << "<e attr=\"a>b/\" other='<x>'>";
            close = "</e>" + close;
        }

        return "<?xml version=\"1.0\"?><!-- <a><b><c> --><tervixPatch>" + open + "<![CDATA[<q><r>]]>" + close
               + "<empty/></tervixPatch>";
    };

    EXPECT_NE (parse (nested (31)), nullptr);
    EXPECT_EQ (parse (nested (32)), nullptr);

    const auto big = presetWith ("<Value property=\"level\">0.5</Value>" + juce::String::repeatedString (" ", 1100 * 1024));
    EXPECT_EQ (parse (big), nullptr);

    // A host state of either kind is ignored as a whole and leaves the bank alone.
    VostrelZR2814AudioProcessor p;
    p.setParameterFromIndex (paramLevel, 0.4f);
    const auto before = stateOf (p);

    for (const auto& text : { nested (40), big })
    {
        juce::MemoryBlock state;
        state.append ("VC2!", 4);
        const auto length = (juce::uint32) text.getNumBytesAsUTF8();
        state.append (&length, 4);
        state.append (text.toRawUTF8(), length + 1);
        p.setStateInformation (state.getData(), (int) state.getSize());
        EXPECT_EQ (stateOf (p), before);
    }

    for (const char* junk : { "", "VC2!", "not a state at all", "VC2!\xff\xff\xff\x7f<tervixPatch/>" })
    {
        p.setStateInformation (junk, (int) strlen (junk));
        EXPECT_EQ (stateOf (p), before);
    }

    p.setStateInformation (nullptr, 100);
    EXPECT_EQ (stateOf (p), before);
}

TEST (PresetXml, HostileTextIsRefusedAndChangesNothing)
{
    auto repeated = [] (const std::string& s, int n)
    {
        std::string r;

        for (int i = 0; i < n; ++i)
            r += s;

        return r;
    };

    struct Case { const char* what; std::string text; bool accepted; };

    const Case cases[] = {
        { "recursive entity", "<!DOCTYPE r [<!ENTITY a \"x&a;\">]><tervixPatch>&a;</tervixPatch>", false },
        { "entity unknown without a DTD", "<tervixPatch>&a;</tervixPatch>", false },
        { "instruction, then text", "<tervixPatch><?a?>x</tervixPatch>", false },
        { "document type inside an element", "<tervixPatch><!DOCTYPE a>x</tervixPatch>", false },
        { "cut hex reference", "<a>&#x", false },
        { "cut reference in an attribute", "<a b=\"&#12", false },
        { "reference to NUL", "<a>&#0;</a>", false },
        { "reference the parser cannot write back", "<a>&#x400000;</a>", false },
        { "complete but invalid reference in an attribute", "<a b=\"x&#4194304;\"/>", false },
        { "more digits than the parser reads", "<a>&#x0000000041;</a>", false },
        { "UTF-8 cut at the end", "<tervixPatch>\xf0", false },
        { "UTF-8 cut one byte short at the end", "<tervixPatch>\xf0\x9f\x98", false },
        { "instruction before the root", "<?style x?><tervixPatch/>", false },
        { "overlong UTF-8", "<a>\xc0\xaf</a>", false },
        { "UTF-8 surrogate", "<a b=\"\xed\xa0\x80\"/>", false },
        { "unquoted attribute, then deep nesting",
          "<tervixPatch><a b=x\"" + repeated ("<c>", 26000) + repeated ("</c>", 26000) + "</a></tervixPatch>", false },
        { "unclosed comment", "<a><!-- x</a>", false },
        { "end tag of another element", "<a><b></a></b>", false },
        { "second root", "<a/><b/>", false },
        { "text before the root", "x<a/>", false },
        { "declaration only", "<?xml version=\"1.0\"?>", false },
        { "empty", "", false },
        { "everything a file may hold",
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<tervixPatch a='1' b=\"&amp;&LT;&#233;&#x1F600;\">"
          "<!-- note --><![CDATA[<x>]]>text &gt; Gr\xc3\xbc\xc3\x9f""e<e/></tervixPatch>\r\n<!-- end -->", true },
        { "leading blanks", "  <tervixPatch/>", true },
        { "references the writer makes of names that are not UTF-8",
          "<a b=\"&#55296;&#xDFFF;&#1114112;&#2034802;&#x3FFFFF;\">&#56320;</a>", true },
    };

    VostrelZR2814AudioProcessor p;
    p.prepareToPlay (44100.0, 512);
    p.setParameterFromIndex (paramLevel, 0.4f);
    const auto before = stateOf (p);

    for (const auto& c : cases)
    {
        const auto text = juce::String::fromUTF8 (c.text.data(), (int) c.text.size());
        const auto parsed = parse (text);
        EXPECT_EQ (parsed != nullptr, c.accepted) << c.what;

        // What is accepted reads exactly as the framework's parser reads it.
        if (parsed != nullptr)
        {
            EXPECT_TRUE (parsed->isEquivalentTo (juce::parseXML (text).get(), false)) << c.what;
        }

        const auto state = wrapBytes (c.text);
        EXPECT_EQ (PresetXml::parseState (state.getData(), (int) state.getSize()) != nullptr, c.accepted) << c.what;

        if (! c.accepted)
        {
            p.setStateInformation (state.getData(), (int) state.getSize());
            p.setCurrentProgramStateInformation (state.getData(), (int) state.getSize());
            EXPECT_EQ (stateOf (p), before) << c.what;
        }
    }
}

TEST (PresetXml, FileBytesDecodeAsBefore)
{
    const std::string preset = presetWith (value ("level", "0.25") + "<Note>cafe</Note>").toStdString();
    auto windows1252 = preset;
    windows1252.replace (windows1252.find ("cafe"), 4, "caf\xe9");

    // The preset in UTF-16 with a byte-order mark, the note given as code units.
    auto utf16 = [&] (std::vector<juce::uint16> note, bool bigEndian)
    {
        const auto at = preset.find ("cafe");
        std::vector<juce::uint16> units { 0xfeff };
        units.insert (units.end(), preset.begin(), preset.begin() + (long) at);
        units.insert (units.end(), note.begin(), note.end());
        units.insert (units.end(), preset.begin() + (long) at + 4, preset.end());
        std::string bytes;

        for (auto u : units)
            for (int shift : bigEndian ? std::vector<int> { 8, 0 } : std::vector<int> { 0, 8 })
                bytes += (char) (u >> shift);

        return bytes;
    };

    struct Case { const char* what; std::string bytes; bool loads; const char* note; };

    const Case cases[] = {
        { "UTF-8", preset, true, "cafe" },
        { "UTF-8 with a byte-order mark", "\xef\xbb\xbf" + preset, true, "cafe" },
        { "UTF-16", utf16 ({ 'c', 'a', 'f', 'e' }, false), true, "cafe" },
        // U+1F600 is the pair D83D DE00 in UTF-16 and F0 9F 98 80 in UTF-8.
        { "UTF-16 with an emoji", utf16 ({ 'c', 0xd83d, 0xde00 }, false), true, "c\xf0\x9f\x98\x80" },
        { "big-endian UTF-16 with an emoji", utf16 ({ 0xd83d, 0xde00 }, true), true, "\xf0\x9f\x98\x80" },
        { "UTF-16 with half an emoji", utf16 ({ 0xd83d, 'e' }, false), false, "" },
        { "Windows-1252 text", windows1252, true, "caf\xc3\xa9" },
        { "nothing but a byte-order mark", "\xef\xbb\xbf", false, "" },
    };

    for (const auto& c : cases)
    {
        // Exactly the file's bytes, so that a read past them is caught.
        std::vector<char> bytes (c.bytes.begin(), c.bytes.end());
        VostrelZR2814AudioProcessor p;
        const auto xml = PresetXml::parseFileData (bytes.data(), bytes.size());
        EXPECT_EQ (p.readPreset (xml.get(), true), c.loads ? presetLoaded : presetInvalid) << c.what;
        EXPECT_FLOAT_EQ (p.levelParam->get(), c.loads ? 0.25f : 0.0f) << c.what;

        if (xml != nullptr)
        {
            EXPECT_EQ (xml->getChildByName ("Properties")->getChildByName ("Note")->getAllSubText().toStdString(), c.note)
                << c.what;
        }
    }
}
