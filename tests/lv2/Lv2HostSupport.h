/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_core/juce_core.h>

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

// Running the built LV2 bundle in real hosts: the programs a test starts, the
// sound server they need, and the bundle's description as any RDF reader sees it.

namespace vostrel::test
{
    /** The built bundle. */
    juce::File lv2Bundle();

    /** Lets every host this process starts find the built bundle, and the bundles
        (presets) in a folder of the test's, on the LV2 path. */
    void setLv2Path (const juce::File& testFolder);

    /** True in a sanitizer build, whose binary hosts run only with the runtime preloaded. */
    bool hostsNeedSanitizerRuntime();

    /** A host's command line, made to preload the sanitizer runtime a sanitizer
        build's binary needs (with leak checks off: the hosts' own leaks are not ours
        to fix; the binary's are checked where a test program loads it). */
    juce::StringArray hostCommand (const juce::StringArray& command);

    /** Runs a program to its end (killed after the timeout); its exit code and output. */
    struct ToolRun
    {
        int exitCode;
        juce::String output;
    };

    ToolRun runTool (const juce::StringArray& command, int timeoutMilliseconds = 60000);

    /** A program a test runs in the background, stopped when the object goes, also
        when the test fails. Its standard input stays open until it is stopped; its
        output goes to a log file. */
    class BackgroundProcess
    {
    public:
        BackgroundProcess (const juce::StringArray& command, const juce::File& log);
        ~BackgroundProcess();

        BackgroundProcess (const BackgroundProcess&) = delete;
        BackgroundProcess& operator= (const BackgroundProcess&) = delete;

        bool isRunning();

        /** Closes its input and sends SIGTERM, then SIGKILL if it has not ended after
            five seconds; returns its exit code, or 128 + the signal that ended it. */
        int stop();

        juce::String getLog() const { return log.loadFileAsString(); }

    private:
        juce::File log;
        pid_t pid = -1;
        int input = -1;
        std::optional<int> exitCode;
    };

    /** A JACK server of its own on the dummy back-end (48 kHz, 512 frames), which
        the programs this process starts connect to. JACK servers starting side by
        side turn clients away and can hang, so one test on the machine at a time
        holds a server (a lock file in /tmp, released when the object goes). */
    class JackServer
    {
    public:
        explicit JackServer (const juce::File& folder);
        ~JackServer();

        JackServer (const JackServer&) = delete;
        JackServer& operator= (const JackServer&) = delete;

        /** True once the server answers. */
        bool isReady() const { return ready; }

        /** Waits until a port exists; false after the timeout. */
        bool waitForPort (const juce::String& port, int timeoutMilliseconds = 10000) const;

        static constexpr double rate = 48000.0;

    private:
        juce::String name;
        int lock = -1;
        std::unique_ptr<BackgroundProcess> server;
        bool ready = false;
    };

    /** The triples of a Turtle file, read by Debian's RDF tools. */
    class Description
    {
    public:
        explicit Description (const juce::File& ttl);

        /** Every object of a subject and predicate, IRIs and blank nodes as written in
            N-Triples (<...>, _:b1), literals as their text. */
        std::vector<std::string> objects (const std::string& subject, const std::string& predicate) const;

        /** The subjects with a predicate and object. */
        std::vector<std::string> subjects (const std::string& predicate, const std::string& object) const;

        bool isEmpty() const { return triples.empty(); }

    private:
        struct Triple
        {
            std::string subject, predicate, object;
        };

        using Part = std::string Triple::*;

        /** The wanted part of every triple with the two given parts. */
        std::vector<std::string> select (Part first, const std::string& firstValue, Part second,
                                         const std::string& secondValue, Part wanted) const;

        std::vector<Triple> triples;
    };
}
