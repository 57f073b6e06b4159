/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_events/juce_events.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vostrel::test
{
    /** Delivers pending messages (async updates, timers) for about the given time. */
    void pumpMessages (int milliseconds = 50);

    /** A string of exactly these bytes, as the framework holds a file name it read
        from disk; its other conversions re-encode what is not UTF-8. */
    inline juce::String rawBytes (const char* bytes)
    {
        return juce::String (juce::CharPointer_UTF8 (bytes), juce::CharPointer_UTF8 (bytes + std::strlen (bytes)));
    }

    /** File names that are not UTF-8, as archives and copies made elsewhere leave
        them, each about 30 bytes: a Latin-1 "à", "À" and "ð", a Windows-1252 "€",
        and a NUL in an overlong form. JUCE overran the heap on each of them. */
    const std::vector<std::string>& namesThatAreNotUtf8();

    /** Puts each of namesThatAreNotUtf8 into the folder (made if missing) byte for
        byte, as a file and, without its extension, as a folder holding
        "Inner.tzrp"; true when every one of them is on disk. */
    bool putNamesThatAreNotUtf8 (const std::filesystem::path& folder);

    /** The path of a folder or file as bytes on disk. */
    inline std::filesystem::path pathOf (const juce::File& file) { return file.getFullPathName().toStdString(); }

    /** A fresh folder under the system's temporary folder, deleted with the object
        (with whatever it holds, names that are not UTF-8 too). */
    struct TemporaryFolder
    {
        TemporaryFolder();
        ~TemporaryFolder();

        juce::File folder;
    };

    /** Makes a fresh temporary folder this process's HOME until the object dies,
        when it is deleted with whatever the tests left in it, so that two test
        runs of one build at once never share a file there. Made first thing in
        main, before any thread could read the environment. */
    class ProcessHome
    {
    public:
        ProcessHome();
        ~ProcessHome();

    private:
        const std::optional<std::string> startHome;
        TemporaryFolder home;

        JUCE_DECLARE_NON_COPYABLE (ProcessHome)
    };

    /** How a command ended: its exit code, or -1 when it could not be started or
        did not end within the time allowed, and what it wrote. */
    struct CommandResult
    {
        int exitCode = -1;
        juce::String output;
    };

    /** Runs a command to its end, waiting for the process itself and not only for
        the end of its output, so that its exit code is the real one. */
    CommandResult runCommand (const juce::StringArray& command,
                              int streams = juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr,
                              int timeoutMilliseconds = 120000);
}
