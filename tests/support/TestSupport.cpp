/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace juce
{
    // The framework's own dispatch step, as its plug-in clients use it; the
    // product is built without modal loops, so runDispatchLoopUntil is absent.
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace vostrel::test
{
    void pumpMessages (int milliseconds)
    {
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) milliseconds;

        do
        {
            while (juce::dispatchNextMessageOnSystemQueue (true)) {}
            juce::Thread::sleep (1);
        }
        while (juce::Time::getMillisecondCounter() < end);
    }

    const std::vector<std::string>& namesThatAreNotUtf8()
    {
        static const std::vector<std::string> names { "\xe0 la carte - Warm Guitar Tone.tzrp",
                                                      "\xc0 rebours - Heavy Bass Line.tzrp",
                                                      "Gar\xf0" "ar - Crunchy Lead Guitar.tzrp",
                                                      "\x80 5 Budget - Clean Guitar Tone.tzrp",
                                                      "notes\xc0\x80 about presets.txt" };
        return names;
    }

    bool putNamesThatAreNotUtf8 (const std::filesystem::path& folder)
    {
        namespace fs = std::filesystem;
        std::error_code error;
        fs::create_directories (folder, error);
        bool made = true;

        for (const auto& name : namesThatAreNotUtf8())
        {
            const auto subFolder = folder / fs::path (name).stem();
            fs::create_directories (subFolder, error);
            std::ofstream (folder / name) << "not a preset";
            std::ofstream (subFolder / "Inner.tzrp") << "not a preset";
            made = made && fs::is_regular_file (folder / name) && fs::is_regular_file (subFolder / "Inner.tzrp");
        }

        return made;
    }

    TemporaryFolder::TemporaryFolder()
        : folder (juce::File::createTempFile ("vostrel-test"))
    {
        folder.createDirectory();
    }

    TemporaryFolder::~TemporaryFolder()
    {
        // The framework's own listing would leave such names, and so the folder, behind.
        std::error_code error;
        std::filesystem::remove_all (pathOf (folder), error);
    }

    namespace
    {
        std::optional<std::string> environmentValue (const char* name)
        {
            if (const auto* value = std::getenv (name))
                return value;

            return std::nullopt;
        }
    }

    ProcessHome::ProcessHome()
        : startHome (environmentValue ("HOME"))
    {
        if (! home.folder.isDirectory())
        {
            std::fprintf (stderr, "cannot make a home folder at %s\n", home.folder.getFullPathName().toRawUTF8());
            std::exit (EXIT_FAILURE);
        }

        setenv ("HOME", home.folder.getFullPathName().toRawUTF8(), 1);
    }

    ProcessHome::~ProcessHome()
    {
        if (startHome.has_value())
            setenv ("HOME", startHome->c_str(), 1);
        else
            unsetenv ("HOME");
    }

    CommandResult runCommand (const juce::StringArray& command, int streams, int timeoutMilliseconds)
    {
        juce::ChildProcess process;
        CommandResult result;

        if (! process.start (command, streams))
            return result;

        result.output = process.readAllProcessOutput();

        if (process.waitForProcessToFinish (timeoutMilliseconds))
            result.exitCode = (int) process.getExitCode();
        else
            process.kill();

        return result;
    }
}
