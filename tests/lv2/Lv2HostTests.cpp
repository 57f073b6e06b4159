/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The built LV2 bundle in the LV2 tools and hosts Debian ships: its description
// as lv2_validate and an RDF reader see it, processing in lv2file (which names
// no maximum block length, as Audacity does not), and a model picked from the
// described choices in jalv on a JACK server.

#include <gtest/gtest.h>

#include "Lv2HostSupport.h"
#include "Lv2TestSupport.h"
#include "PluginProcessor.h"
#include "TestSupport.h"

#include <array>

using namespace vostrel::test;

namespace
{
    const auto bundle = lv2Bundle();
    const std::string pluginUri = VOSTREL_LV2_URI;

    const std::string lv2 = "http://lv2plug.in/ns/lv2core#";
    const std::string rdfs = "http://www.w3.org/2000/01/rdf-schema#";
    const std::string rdfValue = "<http://www.w3.org/1999/02/22-rdf-syntax-ns#value>";
    const std::string rdfType = "<http://www.w3.org/1999/02/22-rdf-syntax-ns#type>";

    std::string iri (const std::string& uri) { return "<" + uri + ">"; }

    /** The description's IRI of the parameter with the given label. */
    std::string parameterIri (const Description& d, const juce::String& name)
    {
        const auto found = d.subjects (iri (rdfs + "label"), name.toStdString());
        return found.size() == 1 ? found[0] : std::string();
    }

    struct ScalePoint
    {
        double value;
        std::string label;
    };

    std::vector<ScalePoint> scalePoints (const Description& d, const std::string& parameter)
    {
        std::vector<ScalePoint> points;

        for (const auto& node : d.objects (parameter, iri (lv2 + "scalePoint")))
        {
            const auto value = d.objects (node, rdfValue), label = d.objects (node, iri (rdfs + "label"));

            if (value.size() == 1 && label.size() == 1)
                points.push_back ({ std::stod (value[0]), label[0] });
        }

        std::sort (points.begin(), points.end(), [] (auto& a, auto& b) { return a.value < b.value; });
        return points;
    }

    double numberOf (const Description& d, const std::string& subject, const std::string& predicate)
    {
        const auto found = d.objects (subject, iri (lv2 + predicate));
        return found.size() == 1 ? std::stod (found[0]) : std::nan ("");
    }

    class Lv2Host : public ::testing::Test
    {
    protected:
        void SetUp() override { setLv2Path (temp.folder); }

        /** Writes a preset bundle holding the plug-in's state with the settings, as
            LV2 hosts save user presets. */
        void writePreset (const juce::String& label, const Settings& settings)
        {
            const auto folder = testBundles (temp.folder).getChildFile ("test-preset.lv2");
            ASSERT_TRUE (folder.createDirectory());
            const juce::String prefixes = "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
                                          "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
                                          "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
                                          "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n\n";
            const juce::String plugin = "lv2:appliesTo <" + juce::String (pluginUri) + "> ;\n";

            ASSERT_TRUE (folder.getChildFile ("manifest.ttl").replaceWithText (
                prefixes + "<preset.ttl> a pset:Preset ;\n" + plugin + "rdfs:seeAlso <preset.ttl> .\n"));
            ASSERT_TRUE (folder.getChildFile ("preset.ttl").replaceWithText (
                prefixes + "<> a pset:Preset ;\n" + plugin + "rdfs:label \"" + label + "\" ;\n"
                + "state:state [ <" + juce::String (pluginUri) + ":StateString> \"" + lv2StateText (settings) + "\" ] .\n"));
        }

        TemporaryFolder temp;
        const Description description { bundle.getChildFile ("dsp.ttl") };
    };

    class Lv2File : public Lv2Host, public ::testing::WithParamInterface<const char*> {};
}

TEST_F (Lv2Host, ValidatorReportsOnlyThePortPropertiesOfParameters)
{
    // The validator skips paths with spaces, which the bundle's name has.
    const auto link = temp.folder.getChildFile ("bundle.lv2");
    ASSERT_TRUE (bundle.createSymbolicLink (link, true));

    const auto run = runTool ({ "lv2_validate", link.getChildFile ("manifest.ttl").getFullPathName(),
                                link.getChildFile ("dsp.ttl").getFullPathName(),
                                link.getChildFile ("ui.ttl").getFullPathName() });
    ASSERT_TRUE (run.output.contains ("Found ")) << run.output;

    // Each error is its message line followed by the terms of the triple at fault.
    juce::StringArray errors;

    for (const auto& line : juce::StringArray::fromLines (run.output))
    {
        if (line.startsWith ("error: "))
            errors.add (line.fromFirstOccurrenceOf ("error: ", false, false));
        else if (line.startsWith (" ") && ! errors.isEmpty())
            errors.getReference (errors.size() - 1) << " " << line.trim();
    }

    // The framework marks its choice and on/off parameters as enumerations and
    // toggles with lv2:portProperty, which the validator allows on ports only;
    // hosts read it on parameters all the same (see the README).
    const juce::String plug = pluginUri + ":";
    const juce::String domain = "Subject not in domain <" + lv2 + "Port> ";
    const juce::String property = " " + lv2 + "portProperty " + lv2;

    errors.sort (false);
    EXPECT_EQ (errors, juce::StringArray (domain + plug + "Vzr7_000000" + property + "enumeration",
                                          domain + plug + "Vzr7_000000" + property + "toggled",
                                          domain + plug + "Vzr7_000010" + property + "enumeration"))
        << run.output;
}

TEST_F (Lv2Host, DescriptionFilesAnEqualizerWithChoicesInTheirParametersOwnUnits)
{
    ASSERT_FALSE (description.isEmpty());
    const auto types = description.objects (iri (pluginUri), rdfType);
    EXPECT_EQ (std::count (types.begin(), types.end(), iri (lv2 + "EQPlugin")), 1);

    VostrelZR2814AudioProcessor processor;

    for (auto* parameter : processor.getParameters())
    {
        const auto name = parameter->getName (100);
        const auto subject = parameterIri (description, name);
        ASSERT_FALSE (subject.empty()) << name;

        const auto& range = dynamic_cast<juce::RangedAudioParameter&> (*parameter).getNormalisableRange();
        EXPECT_DOUBLE_EQ (numberOf (description, subject, "minimum"), range.start) << name;
        EXPECT_DOUBLE_EQ (numberOf (description, subject, "maximum"), range.end) << name;

        const auto points = scalePoints (description, subject);

        if (! parameter->isDiscrete())
        {
            EXPECT_TRUE (points.empty()) << name;
            continue;
        }

        // A host offering these choices sends the point's value, in the range's units.
        ASSERT_EQ ((int) points.size(), parameter->getNumSteps()) << name;

        for (const auto& point : points)
        {
            EXPECT_GE (point.value, range.start) << name;
            EXPECT_LE (point.value, range.end) << name;
            EXPECT_EQ (parameter->getText (range.convertTo0to1 ((float) point.value), 100), juce::String (point.label)) << name;
        }
    }

    const auto models = scalePoints (description, parameterIri (description, "equalizerType"));
    ASSERT_EQ (models.size(), 3u);
    EXPECT_EQ (models[0].label + models[1].label + models[2].label, "GuitarBassWide");
    EXPECT_EQ (models[2].value, 2.0);
}

TEST_P (Lv2File, ProcessesWithABandAndTheModelSetLikeTheProcessor)
{
    constexpr double rate = 48000.0;
    constexpr int length = 3 * 48000, settled = 48000;

    // 250 Hz is the centre of the "Bass" model's third band.
    const Settings settings { { "equalizerType", 0.5f }, { "freqLevel1", 0.5f }, { "freqLevel2", 0.5f },
                              { "freqLevel3", 1.0f }, { "freqLevel4", 0.5f }, { "freqLevel5", 0.5f },
                              { "freqLevel6", 0.5f }, { "freqLevel7", 0.5f }, { "level", 0.5f } };
    writePreset ("Bass band three", settings);

    const auto input = stereoSine (250.0, rate, length);
    const auto in = temp.folder.getChildFile ("in.wav"), out = temp.folder.getChildFile ("out.wav");
    writeWav (in, input, rate);

    juce::StringArray command { "lv2file", "-i", in.getFullPathName(), "-o", out.getFullPathName(), "-P", "Bass band three" };
    command.addTokens (GetParam(), false);
    command.add (pluginUri);
    const auto run = runTool (hostCommand (command));
    ASSERT_EQ (run.exitCode, 0) << run.output;

    const auto hosted = readWav (out);
    ASSERT_EQ (hosted.getNumSamples(), length) << run.output;
    ASSERT_EQ (hosted.getNumChannels(), 2);
    EXPECT_NEAR (gainDbFrom (hosted, input, settled), 15.0, 0.1);
    EXPECT_LT (largestDifferenceFrom (hosted, runDirectly (input, settings, rate, 512), settled), 1e-6f);
}

std::string blockLengthName (const ::testing::TestParamInfo<const char*>& param)
{
    return std::array { "Default", "OneFrame", "LongerThanPrepared" }[param.index];
}

// lv2file's own block length, its shortest, and one longer than the instance
// prepares for.
INSTANTIATE_TEST_SUITE_P (BlockLengths, Lv2File, ::testing::Values ("", "-b 1", "-b 20000"), blockLengthName);

TEST_F (Lv2Host, JalvPlaysTheModelAHostPicksFromTheDescribedChoices)
{
    // What a host offering the choices sends for "Bass": the value of its scale point.
    const auto typeIri = parameterIri (description, "equalizerType");
    const auto models = scalePoints (description, typeIri);
    const auto bass = std::find_if (models.begin(), models.end(), [] (auto& p) { return p.label == "Bass"; });
    ASSERT_NE (bass, models.end());

    // jalv names a parameter by the last part of its IRI, made a valid symbol.
    const auto symbol = [&] (const std::string& parameter)
    {
        auto s = juce::String (parameter).fromLastOccurrenceOf ("/", false, false).upToLastOccurrenceOf (">", false, false);
        return s.replaceCharacters (":.-", "___");
    };

    // The source and the plug-in's output, recorded in the same cycles.
    const juce::StringArray recordedPorts { "jack_simple_client:output1", "jack_simple_client:output2",
                                            "vostrel:audio_out_1", "vostrel:audio_out_2" };

    // A plug-in that hangs or crashes fails at once.
    const auto session = runJackSessions (temp.folder, [&] (JackServer& jack, const juce::File& folder)
    {
        jack.startClient ({ "jack_simple_client" }, "jack_simple_client");
        // Console jalv hands parameter changes on only with -s (its UI switch), as here
        // with no display it runs no UI at all.
        auto& jalv = jack.startClient (hostCommand ({ "jalv", "-s", "-n", "vostrel", "-x",
                                                      "-c", symbol (typeIri) + "=" + juce::String (bass->value),
                                                      "-c", symbol (parameterIri (description, "freqLevel3")) + "=1",
                                                      "-c", symbol (parameterIri (description, "level")) + "=0.5",
                                                      pluginUri }),
                                       "jalv", true);

        juce::String failed;

        for (const auto channel : { "1", "2" })
            if (failed.isEmpty())
                failed = jack.connect (juce::String ("jack_simple_client:output") + channel, juce::String ("vostrel:audio_in_") + channel);

        if (failed.isEmpty())
            failed = jack.record (recordedPorts, 2, folder.getChildFile ("recording.wav"));

        if (failed.isEmpty())
        {
            EXPECT_TRUE (jalv.isRunning()) << "jalv ended: the plug-in failed in it" << programLogs (folder);
            // A plug-in that crashes in its clean-up shows only once jalv has stopped.
            const auto stopped = jack.stop();
            EXPECT_TRUE (stopped.isEmpty()) << stopped << programLogs (folder);
        }

        return failed;
    });

    ASSERT_TRUE (session.isDirectory());
    const auto recording = session.getChildFile ("recording.wav");

    const auto recorded = readWav (recording);
    ASSERT_EQ (recorded.getNumChannels(), recordedPorts.size());
    const int length = recorded.getNumSamples(), settled = length / 4;
    ASSERT_EQ (length, 2 * (int) JackServer::rate);

    // jack_rec writes 32-bit integers, and a sample that is not a finite number or
    // lies at or beyond full scale as the lowest of them, -1. The comparison below
    // leaves out the start, where one such sample would go unseen.
    for (int ch = 0; ch < recorded.getNumChannels(); ++ch)
        for (int i = 0; i < length; ++i)
            ASSERT_GT (recorded.getSample (ch, i), -1.0f)
                << recordedPorts[ch] << " gave a sample that is not a finite number or lies beyond full scale, "
                << i << " samples into the recording";

    juce::AudioBuffer<float> input (2, length), hosted (2, length);

    for (int ch = 0; ch < 2; ++ch)
    {
        input.copyFrom (ch, 0, recorded, ch, 0, length);
        hosted.copyFrom (ch, 0, recorded, ch + 2, 0, length);
    }

    // Every cycle runs with every client, so jalv played what the processor plays
    // for the recorded input, once what the plug-in heard before the recording has
    // died away; the Guitar model would sound decibels apart.
    const Settings bassBand3 { { "equalizerType", 0.5f }, { "freqLevel3", 1.0f }, { "level", 0.5f } };
    const Settings guitarBand3 { { "equalizerType", 0.0f }, { "freqLevel3", 1.0f }, { "level", 0.5f } };
    EXPECT_LT (largestDifferenceFrom (hosted, runDirectly (input, bassBand3, JackServer::rate, JackServer::period), settled), 1e-6f)
        << "the plug-in in jalv did not play what the processor plays";
    const auto guitarPlayed = runDirectly (input, guitarBand3, JackServer::rate, JackServer::period);

    for (int ch = 0; ch < 2; ++ch)
        EXPECT_GT (std::abs (gainDbFrom (hosted, input, settled, ch) - gainDbFrom (guitarPlayed, input, settled, ch)), 1.0)
            << "the plug-in in jalv played the Guitar model, channel " << ch;
}
