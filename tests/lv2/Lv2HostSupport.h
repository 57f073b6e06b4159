/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_core/juce_core.h>

#include <sys/types.h>

#include <functional>
#include <memory>
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
        (presets) a test writes, on the LV2 path. */
    void setLv2Path (const juce::File& testFolder);

    /** Where a test writes bundles of its own: a folder of the test's that holds
        nothing else (hosts read every entry on the path as a bundle). */
    juce::File testBundles (const juce::File& testFolder);

    /** True in a sanitizer build, whose binary hosts run only with the runtime preloaded. */
    bool hostsNeedSanitizerRuntime();

    /** A host's command line, made to preload the sanitizer runtime a sanitizer
        build's binary needs (with leak checks off: the hosts' own leaks are not ours
        to fix; the binary's are checked where a test program loads it). */
    juce::StringArray hostCommand (const juce::StringArray& command);

    /** Runs a program to its end; its exit code and output. One still running after
        the timeout is stopped and counts as failed (-1), whatever it then returns. */
    struct ToolRun
    {
        int exitCode;
        juce::String output;
    };

    ToolRun runTool (const juce::StringArray& command, int timeoutMilliseconds = 60000);

    /** Asks the condition every 100 ms until it holds (true), or until `going` no
        longer does or the time is up (false). */
    bool waitUntil (const std::function<bool()>& condition, const std::function<bool()>& going, int timeoutMilliseconds);

    /** What each program a test ran logged into the folder (the end of every ".log"
        file there, under its name): the message of a failed step with a host. */
    juce::String programLogs (const juce::File& folder);

    /** A program a test runs in the background, stopped when the object goes, also
        when the test fails. Its standard input stays open until it is stopped; its
        output goes to a log file. One started while this process holds the JACK
        tests' lock is recorded beside it (JackTestsLock). */
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

        pid_t getPid() const { return pid; }

        juce::String getLog() const { return log.loadFileAsString(); }

    private:
        juce::File log;
        pid_t pid = -1;
        int input = -1;
        std::optional<int> exitCode;
    };

    /** A process of the machine, named by its id and the time it started: together
        they still name it once the id could have gone to another process. */
    struct MachineProcess
    {
        pid_t pid = -1;
        unsigned long long startTime = 0;

        /** The process with that id now, if there is one: also one that has ended
            but that its parent has not yet collected, which JACK still takes for a
            running server. */
        static std::optional<MachineProcess> find (pid_t pid);

        /** The processes now there whose parent is the given one. */
        static std::vector<MachineProcess> childrenOf (pid_t parent);

        /** True until this very process has ended and been collected. */
        bool isRunning() const;

        /** Its command line, as ps shows it. */
        juce::String commandLine() const;
    };

    /** One JACK test of this user at a time on the machine: JACK servers starting
        side by side turn clients away and can hang. A lock file in /tmp per user
        (JACK servers are per user; another user's lock file could not even be
        opened), held while an object lives; objects nest within a process, the
        first takes the lock and the last lets it go. A test that has to wait for
        it says so, and gives up after 300 s.

        Beside the lock, in its file, it records every program this process starts
        while holding it. A run killed before it could stop them (kill -9, a CI job
        cancelled) leaves its server and clients running, and the server would
        answer in place of the next one's; so the next run to take the lock ends
        exactly the recorded programs that still run (by id and start time) and
        says so. */
    class JackTestsLock
    {
    public:
        JackTestsLock();
        ~JackTestsLock();

        JackTestsLock (const JackTestsLock&) = delete;
        JackTestsLock& operator= (const JackTestsLock&) = delete;

        bool isHeld() const { return held; }

        /** Why it is not held. */
        const juce::String& getProblem() const { return problem; }

        /** The name of this user's test servers: the same every time, because
            JACK keeps eight servers in a table shared by every user of the
            machine and frees an entry only when a server of the same name starts
            again, so a server that had to be killed would otherwise keep its
            entry, and eight such would leave no JACK server able to start. */
        static juce::String serverName();

        /** The lock file of this user's JACK tests. */
        static juce::File file();

    private:
        bool held = false;
        juce::String problem;
    };

    /** A JACK server of its own on the dummy back-end (48 kHz, `period` frames),
        which the programs this process starts connect to, and no other. It never
        touches a server it did not start: one that holds the name already, found
        by the server's socket, is named in getProblem().

        It runs every cycle to the end of its last client (synchronous mode) and
        waits up to 20 s for a late client, so a busy machine only slows it down.
        Left at JACK's default, it runs a cycle on without the clients that are
        late: what a recorder takes of a source and of a plug-in fed by it then
        comes from different cycles.

        Either way, JACK 1.9.21 can lose a client's wake-up when a connection is
        made from a client that is still finishing the cycle before (a thread the
        machine holds up for a period or more): the server then runs no cycle,
        turns new clients away while it waits 20 s for that client, and goes on
        "abnormally", as it says, if at all. Only a new server helps then. It is
        rare: with 512 frames, 4 of 60 sessions stalled on a machine busy with the
        other tests, with 4096 none of 70. Measured again on two cores: with the
        rest of the suite running, none of 60 with 512 frames and none of 100 with
        256; with the Release and ASan LV2 tests side by side, none of 120 with
        4096.

        A client that hangs or ends stops the cycles just the same, and the server
        logs the same words. So when the cycles stop, the steps look at the
        programs (diagnose) and call it a stall of the server (hasStalled) only
        when every one still runs and each client sits waiting for its wake-up,
        using next to no CPU, as one does when JACK lost it. */
    class JackServer
    {
    public:
        explicit JackServer (const juce::File& folder);

        /** Stops what stop() has not. */
        ~JackServer();

        JackServer (const JackServer&) = delete;
        JackServer& operator= (const JackServer&) = delete;

        /** True once the server answers. */
        bool isReady() const { return ready; }

        /** Why it is not ready. */
        const juce::String& getProblem() const { return problem; }

        /** Starts a program of the session, a JACK client of this server, logging
            into "<name>.log"; stopped before the server. The steps watch it, and
            blame the plug-in for what goes wrong in the one that runs it. */
        BackgroundProcess& startClient (const juce::StringArray& command, const juce::String& name,
                                        bool runsThePlugin = false);

        /** Connects a port of one client to a port of another as soon as both have
            their ports and take part in the server's cycles (JACK connects the ports
            of active clients only); an empty string, or what went wrong once a
            client has failed, the server has stalled or the time is up. */
        juce::String connect (const juce::String& from, const juce::String& to, int timeoutMilliseconds = 30000);

        /** Records the ports into a WAV file (one channel each) for the given time;
            an empty string, or what went wrong. Once the recording has not grown
            for 30 s (longer than the server waits for a late client), or the server
            says it waited in vain, it diagnoses; says how far it has come every ten
            seconds. */
        juce::String record (const juce::StringArray& ports, int seconds, const juce::File& wav);

        /** True once the server ran no cycles while the evidence clears every
            client (see the class comment): only then can a new server help. */
        bool hasStalled() const { return stalled; }

        /** Ends the session: the clients, the last started first, while the server
            still runs, then the server. Each client that did not end cleanly (exit
            code 0) when stopped is named, as one whose plug-in crashes in its
            clean-up is; an empty string when none. */
        juce::String stop();

        static constexpr double rate = 48000.0;
        static constexpr int period = 4096;

    private:
        struct Client
        {
            std::unique_ptr<BackgroundProcess> process;
            juce::String name;
            bool runsThePlugin;

            /** Its end with that exit code, the plug-in blamed where it runs. */
            juce::String endedWith (int exitCode) const;
        };

        /** Once the cycles stopped: what failed (a program that ended, a client
            that burned CPU or never waited for its wake-up while the server had
            no cycle for it), or an empty string when the evidence clears every
            program, and the server has stalled. */
        juce::String diagnose();

        /** The first program of the session found ended (but the one excepted), and
            how; or an empty string. */
        juce::String ended (const BackgroundProcess* except = nullptr);

        /** True once the server's log says it waited for a client in vain. */
        bool serverWaitedInVain() const;

        juce::File folder;
        JackTestsLock lock;
        std::unique_ptr<BackgroundProcess> server;
        std::vector<Client> clients;
        bool ready = false, stalled = false;
        juce::String problem;
    };

    /** What a session on a JACK server does: its steps with the server's programs,
        in the session's own folder; an empty string, or what went wrong. */
    using JackSession = std::function<juce::String (JackServer&, const juce::File& folder)>;

    /** Runs the session on a new server in a folder "session-<n>" of the test's
        folder until it goes right, and returns that folder. A server can stall by
        a fault of JACK's (see JackServer): only then does the session run again,
        three sessions in all, each rerun said on a line "rerun: ..." (the test
        script lists them). Anything else that goes wrong, or a stall in every
        session, fails the test at once; the folder is then none. */
    juce::File runJackSessions (const juce::File& testFolder, const JackSession& session);

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
