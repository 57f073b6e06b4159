/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Lv2HostSupport.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vostrel::test
{
    juce::File lv2Bundle()
    {
        return juce::File (VOSTREL_LV2_BUNDLE);
    }

    void setLv2Path (const juce::File& testFolder)
    {
        const auto path = lv2Bundle().getParentDirectory().getFullPathName() + ":" + testBundles (testFolder).getFullPathName();
        setenv ("LV2_PATH", path.toRawUTF8(), 1);
    }

    juce::File testBundles (const juce::File& testFolder)
    {
        return testFolder.getChildFile ("lv2");
    }

    bool hostsNeedSanitizerRuntime()
    {
        return juce::String (VOSTREL_ASAN_RUNTIME).isNotEmpty();
    }

    juce::StringArray hostCommand (const juce::StringArray& command)
    {
        if (! hostsNeedSanitizerRuntime())
            return command;

        juce::StringArray withRuntime { "env", juce::String ("LD_PRELOAD=") + VOSTREL_ASAN_RUNTIME, "ASAN_OPTIONS=detect_leaks=0" };
        withRuntime.addArray (command);
        return withRuntime;
    }

    ToolRun runTool (const juce::StringArray& command, int timeoutMilliseconds)
    {
        juce::TemporaryFile log;
        BackgroundProcess tool (command, log.getFile());

        for (int waited = 0; tool.isRunning() && waited < timeoutMilliseconds; waited += 10)
            juce::Thread::sleep (10);

        // Some tools exit with 0 when stopped (jack_rec does).
        const bool timedOut = tool.isRunning();
        const int exitCode = tool.stop();

        if (timedOut)
            return { -1, tool.getLog() + "\n[" + command[0] + " was still running after "
                             + juce::String (timeoutMilliseconds) + " ms and was stopped]" };

        return { exitCode, tool.getLog() };
    }

    juce::String programLogs (const juce::File& folder)
    {
        constexpr int tail = 4000;
        auto logs = folder.findChildFiles (juce::File::findFiles, false, "*.log");
        logs.sort();
        juce::String text;

        for (const auto& log : logs)
        {
            const auto content = log.loadFileAsString();
            text << "\n---- " << log.getFileName() << (content.length() > tail ? " (its end)" : "") << " ----\n"
                 << content.substring (content.length() - tail);
        }

        return text.isEmpty() ? juce::String ("\n(no program wrote a log)") : text;
    }

    BackgroundProcess::BackgroundProcess (const juce::StringArray& command, const juce::File& logFile)
        : log (logFile)
    {
        int inputPipe[2];

        if (pipe2 (inputPipe, O_CLOEXEC) != 0)
            return;

        const auto logPath = log.getFullPathName().toStdString();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init (&actions);
        posix_spawn_file_actions_adddup2 (&actions, inputPipe[0], 0);
        posix_spawn_file_actions_addopen (&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2 (&actions, 1, 2);

        std::vector<std::string> arguments;

        for (const auto& argument : command)
            arguments.push_back (argument.toStdString());

        std::vector<char*> argv;

        for (auto& argument : arguments)
            argv.push_back (argument.data());

        argv.push_back (nullptr);

        if (posix_spawnp (&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid = -1;

        posix_spawn_file_actions_destroy (&actions);
        close (inputPipe[0]);
        input = inputPipe[1];
    }

    BackgroundProcess::~BackgroundProcess()
    {
        stop();
    }

    bool BackgroundProcess::isRunning()
    {
        if (pid <= 0 || exitCode.has_value())
            return false;

        int status = 0;

        if (waitpid (pid, &status, WNOHANG) != pid)
            return true;

        exitCode = WIFEXITED (status) ? WEXITSTATUS (status) : 128 + WTERMSIG (status);
        return false;
    }

    int BackgroundProcess::stop()
    {
        if (input >= 0)
        {
            close (input);
            input = -1;
        }

        if (pid <= 0)
            return -1;

        for (const int signal : { SIGTERM, SIGKILL })
        {
            if (! isRunning())
                break;

            kill (pid, signal);

            for (int waited = 0; isRunning() && waited < 5000; waited += 10)
                juce::Thread::sleep (10);
        }

        return exitCode.value_or (-1);
    }

    namespace
    {
        /** Asks the condition every 100 ms until it holds (true), or one of the
            programs ends or the time is up (false). */
        bool waitUntil (const std::function<bool()>& condition, std::initializer_list<BackgroundProcess*> programs,
                        int timeoutMilliseconds)
        {
            const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMilliseconds;

            while (std::all_of (programs.begin(), programs.end(), [] (auto* p) { return p->isRunning(); }))
            {
                if (condition())
                    return true;

                if (juce::Time::getMillisecondCounter() >= end)
                    return false;

                juce::Thread::sleep (100);
            }

            return false;
        }

        /** The time the server waits for a client's cycle (ten times its client timeout). */
        constexpr int clientWaitMilliseconds = 20000;

        /** Longer than any JACK program takes that waits for a cycle or two, on a
            server that runs them. */
        constexpr int cycleWaitMilliseconds = 10000;

        constexpr auto serverName = "vostrel-tests";
    }

    JackServer::JackServer (const juce::File& testFolder)
        : folder (testFolder),
          lock (open ("/tmp/vostrel-jack-tests.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666))
    {
        if (lock < 0)
        {
            std::cout << "cannot open the JACK tests' lock file /tmp/vostrel-jack-tests.lock" << std::endl;
            return;
        }

        constexpr int lockWaitSeconds = 300;
        bool locked = flock (lock, LOCK_EX | LOCK_NB) == 0;

        if (! locked)
        {
            char holder[32] = {};
            [[maybe_unused]] const auto length = pread (lock, holder, sizeof (holder) - 1, 0);
            std::cout << "waiting up to " << lockWaitSeconds << " s for the JACK server of another test (process "
                      << holder << ") to stop" << std::endl;

            for (int waited = 0; ! locked && waited < lockWaitSeconds * 1000; waited += 100)
            {
                juce::Thread::sleep (100);
                locked = flock (lock, LOCK_EX | LOCK_NB) == 0;
            }

            if (! locked)
            {
                std::cout << "the other test's JACK server still runs: no server here" << std::endl;
                return;
            }
        }

        // Who holds the lock, for a test that has to wait for it.
        const auto pid = std::to_string (getpid());
        [[maybe_unused]] const auto cleared = ftruncate (lock, 0);
        [[maybe_unused]] const auto written = pwrite (lock, pid.data(), pid.size(), 0);

        // Every JACK program this process starts from now on reaches this server,
        // and one that cannot fails rather than starting a server of its own.
        setenv ("JACK_DEFAULT_SERVER", serverName, 1);
        setenv ("JACK_NO_START_SERVER", "1", 1);

        server = std::make_unique<BackgroundProcess> (
            juce::StringArray { "jackd", "--no-realtime", "--sync", "--timeout", juce::String (clientWaitMilliseconds / 10),
                                "--name", serverName, "-d", "dummy", "-r", juce::String ((int) rate), "-p", juce::String (period) },
            folder.getChildFile ("jackd.log"));
        // jack_wait --check ends with 0 either way and says "running" or "not running".
        ready = waitUntil ([] { return juce::StringArray::fromLines (runTool ({ "jack_wait", "--check" }, 10000).output).contains ("running"); },
                           { server.get() }, 30000);
    }

    JackServer::~JackServer()
    {
        if (server != nullptr)
            server->stop();

        // What the server's clients, and a server that had to be killed, leave behind.
        for (const auto& file : juce::File ("/dev/shm").findChildFiles (juce::File::findFiles, false, juce::String ("jack*_") + serverName + "_*"))
            file.deleteFile();

        if (lock >= 0)
            close (lock);
    }

    bool JackServer::hasStalled() const
    {
        // What the server writes when a cycle did not come: a client that waited
        // for one, a new client turned away, or the wait for the last client.
        const auto log = folder.getChildFile ("jackd.log").loadFileAsString();

        return stalled || log.contains ("wait error") || log.contains ("Driver is not running")
               || log.contains ("SuspendRefNum error");
    }

    juce::String JackServer::connect (const juce::String& from, BackgroundProcess& source, const juce::String& to,
                                      BackgroundProcess& destination, int timeoutMilliseconds)
    {
        ToolRun last { -1, {} };

        // jack_connect waits for a cycle to join and one to leave; one that does
        // not end leaves nothing to try again on this server.
        const auto connected = [&]
        {
            last = runTool ({ "jack_connect", from, to }, cycleWaitMilliseconds);
            stalled = stalled || (last.exitCode == -1 && server->isRunning() && source.isRunning() && destination.isRunning());
            return last.exitCode == 0 || hasStalled();
        };

        if (waitUntil (connected, { server.get(), &source, &destination }, timeoutMilliseconds) && ! hasStalled())
            return {};

        return "no connection from " + from + " to " + to + (hasStalled() ? " (the server has stalled)" : "")
               + "; jack_connect last said:\n" + last.output;
    }

    juce::String JackServer::record (const juce::StringArray& ports, int seconds, const juce::File& wav)
    {
        // Its buffer holds the whole recording: a disk thread the machine holds up loses nothing.
        juce::StringArray command { "jack_rec", "-f", wav.getFullPathName(), "-d", juce::String (seconds), "-b", "32",
                                    "-B", juce::String ((int) rate * (seconds + 1)) };
        command.addArray (ports);
        BackgroundProcess recorder (command, folder.getChildFile ("jack_rec.log"));

        // jack_rec writes the samples as they come and the file's header when done.
        const auto recorded = [&] { return (double) wav.getSize() / (4.0 * ports.size() * rate); };
        const auto start = juce::Time::getMillisecondCounter();
        auto lastGrowth = start, lastReport = start;
        auto size = wav.getSize();

        while (recorder.isRunning())
        {
            juce::Thread::sleep (100);
            const auto now = juce::Time::getMillisecondCounter();

            if (wav.getSize() != size)
            {
                size = wav.getSize();
                lastGrowth = now;
            }
            else if (now - lastGrowth > (juce::uint32) (clientWaitMilliseconds + cycleWaitMilliseconds) || hasStalled())
            {
                stalled = server->isRunning();
                recorder.stop();
                return "jack_rec recorded about " + juce::String (recorded(), 2) + " of " + juce::String (seconds)
                       + " s and then nothing for " + juce::String ((now - lastGrowth) / 1000) + " s; the connections:\n"
                       + runTool ({ "jack_lsp", "-c" }, 10000).output;
            }

            if (now - lastReport >= 10000)
            {
                lastReport = now;
                std::cout << "jack_rec has recorded about " << recorded() << " of " << seconds << " s after "
                          << (now - start) / 1000 << " s" << std::endl;
            }
        }

        // A server that stalled on the way may have run a cycle without a client.
        const int exitCode = recorder.stop();

        if (exitCode != 0)
            return "jack_rec ended with " + juce::String (exitCode);

        return hasStalled() ? juce::String ("the server stalled during the recording") : juce::String();
    }

    Description::Description (const juce::File& ttl)
    {
        const auto run = runTool ({ "sordi", "-i", "turtle", "-o", "ntriples", ttl.getFullPathName() });

        if (run.exitCode != 0)
            return;

        for (const auto& line : juce::StringArray::fromLines (run.output))
        {
            const auto text = line.trim().toStdString();
            const auto first = text.find (' ');
            const auto second = text.find (' ', first + 1);

            if (first == std::string::npos || second == std::string::npos || text.size() < second + 3)
                continue;

            auto object = text.substr (second + 1, text.size() - second - 3);

            // A literal's text: what stands between its quotes (no escapes in these files).
            if (! object.empty() && object.front() == '"')
                object = object.substr (1, object.find ('"', 1) - 1);

            triples.push_back ({ text.substr (0, first), text.substr (first + 1, second - first - 1), object });
        }
    }

    std::vector<std::string> Description::objects (const std::string& subject, const std::string& predicate) const
    {
        return select (&Triple::subject, subject, &Triple::predicate, predicate, &Triple::object);
    }

    std::vector<std::string> Description::subjects (const std::string& predicate, const std::string& object) const
    {
        return select (&Triple::predicate, predicate, &Triple::object, object, &Triple::subject);
    }

    std::vector<std::string> Description::select (Part first, const std::string& firstValue, Part second,
                                                  const std::string& secondValue, Part wanted) const
    {
        std::vector<std::string> result;

        for (const auto& t : triples)
            if (t.*first == firstValue && t.*second == secondValue)
                result.push_back (t.*wanted);

        return result;
    }
}
