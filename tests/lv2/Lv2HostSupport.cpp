/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Lv2HostSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <fstream>
#include <sstream>
#include <string>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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

    namespace
    {
        /** This process's hold on the JACK tests' lock: the file while it is held,
            and how many JackTestsLock objects hold it. The tests run on one thread. */
        struct LockHold
        {
            int file = -1;
            int holders = 0;
        };

        LockHold lockHold;

        juce::String userId()
        {
            return juce::String ((int) geteuid());
        }

        /** A file's whole text; also of the kernel's files, which have no size. */
        std::string readText (const std::string& path)
        {
            std::ifstream file (path, std::ios::binary);
            std::ostringstream text;
            text << file.rdbuf();
            return text.str();
        }

        juce::String procFile (pid_t pid, const char* name)
        {
            return juce::String (readText ("/proc/" + std::to_string (pid) + "/" + name));
        }

        /** Calls the function with each entry of a folder, of the kernel's too,
            whose entries may go while it reads them. */
        void forEachEntry (const std::filesystem::path& folder, const std::function<void (const std::filesystem::path&)>& function)
        {
            std::error_code error;

            for (std::filesystem::directory_iterator entry (folder, error), end; ! error && entry != end; entry.increment (error))
                function (entry->path());
        }

        /** The fields of /proc/<pid>/stat after the command's name (which may hold
            spaces and parentheses): the state is the first, the start time the 20th. */
        juce::StringArray statusFields (pid_t pid)
        {
            const auto stat = procFile (pid, "stat");
            return juce::StringArray::fromTokens (stat.fromLastOccurrenceOf (")", false, false).trim(), false);
        }

        /** Its CPU time so far (every thread, user and system), in clock ticks. */
        unsigned long long cpuTicks (pid_t pid)
        {
            const auto fields = statusFields (pid);
            return fields.size() > 12 ? (unsigned long long) (fields[11].getLargeIntValue() + fields[12].getLargeIntValue()) : 0;
        }

        /** Identifies this boot, so that a record from before a restart names nothing. */
        juce::String bootId()
        {
            return juce::String (readText ("/proc/sys/kernel/random/boot_id")).trim();
        }
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

        // Its start time is fixed from the spawn on, even before it runs the command.
        if (const auto started = MachineProcess::find (pid); started && lockHold.file >= 0)
        {
            const auto line = juce::String (pid) + " " + juce::String ((juce::int64) started->startTime) + "\n";
            lseek (lockHold.file, 0, SEEK_END);
            [[maybe_unused]] const auto written = write (lockHold.file, line.toRawUTF8(), line.getNumBytesAsUTF8());
        }
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

    std::optional<MachineProcess> MachineProcess::find (pid_t pid)
    {
        if (pid <= 0)
            return std::nullopt;

        const auto fields = statusFields (pid);

        if (fields.size() < 20)
            return std::nullopt;

        return MachineProcess { pid, (unsigned long long) fields[19].getLargeIntValue() };
    }

    std::vector<MachineProcess> MachineProcess::childrenOf (pid_t parent)
    {
        std::vector<MachineProcess> children;

        forEachEntry ("/proc", [&] (const auto& entry)
        {
            const auto pid = (pid_t) std::atoi (entry.filename().c_str());

            if (pid > 0 && statusFields (pid)[1].getIntValue() == parent)
                if (const auto child = find (pid))
                    children.push_back (*child);
        });

        return children;
    }

    bool MachineProcess::isRunning() const
    {
        const auto now = find (pid);
        return now && now->startTime == startTime;
    }

    juce::String MachineProcess::commandLine() const
    {
        // The arguments, each ended by a NUL.
        auto arguments = readText ("/proc/" + std::to_string (pid) + "/cmdline");
        std::replace (arguments.begin(), arguments.end(), '\0', ' ');
        return juce::String (arguments).trimEnd();
    }

    bool waitUntil (const std::function<bool()>& condition, const std::function<bool()>& going, int timeoutMilliseconds)
    {
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMilliseconds;

        while (going())
        {
            if (condition())
                return true;

            if (juce::Time::getMillisecondCounter() >= end)
                return false;

            juce::Thread::sleep (100);
        }

        return false;
    }

    namespace
    {
        juce::String describe (const MachineProcess& process)
        {
            // One that has ended, but is not yet collected, has no command line left.
            const auto command = process.commandLine();
            return "process " + juce::String (process.pid) + " (" + (command.isEmpty() ? juce::String ("ended") : command) + ")";
        }

        /** Ends the processes a run killed before it could stop them had recorded in
            the lock file; what still runs after SIGKILL, or an empty string. */
        juce::String endWhatAKilledRunLeft (int lock)
        {
            juce::MemoryBlock bytes (4096);
            juce::String text;

            for (ssize_t length, offset = 0; (length = pread (lock, bytes.getData(), bytes.getSize(), offset)) > 0; offset += length)
                text += juce::String::fromUTF8 ((const char*) bytes.getData(), (int) length);

            // The first line names the holder, the second the boot; a program per line follows.
            const auto lines = juce::StringArray::fromLines (text);
            std::vector<MachineProcess> left;

            for (int i = 2; i < lines.size() && lines[1] == bootId(); ++i)
            {
                const MachineProcess recorded { (pid_t) lines[i].getIntValue(),
                                                (unsigned long long) lines[i].fromFirstOccurrenceOf (" ", false, false).getLargeIntValue() };

                if (recorded.isRunning())
                    left.push_back (recorded);
            }

            if (left.empty())
                return {};

            std::cout << "ending what a JACK test run killed before it could stop them left running:" << std::endl;

            for (const auto& process : left)
                std::cout << "  " << describe (process) << std::endl;

            juce::StringArray survivors;

            for (const int signal : { SIGTERM, SIGKILL })
            {
                for (const auto& process : left)
                    if (process.isRunning())
                        kill (process.pid, signal);

                const auto anyRunning = [&] { return std::any_of (left.begin(), left.end(), [] (auto& p) { return p.isRunning(); }); };
                waitUntil ([&] { return ! anyRunning(); }, [] { return true; }, 5000);
            }

            for (const auto& process : left)
                if (process.isRunning())
                    survivors.add (describe (process));

            return survivors.joinIntoString (", ");
        }
    }

    JackTestsLock::JackTestsLock()
    {
        if (lockHold.holders > 0)
        {
            ++lockHold.holders;
            held = true;
            return;
        }

        const auto path = file().getFullPathName();
        const int lock = open (path.toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);

        if (lock < 0)
        {
            problem = "cannot open the JACK tests' lock file " + path + ": " + juce::String (std::strerror (errno));
            return;
        }

        constexpr int lockWaitSeconds = 300;
        bool locked = flock (lock, LOCK_EX | LOCK_NB) == 0;

        if (! locked)
        {
            char holder[32] = {};
            [[maybe_unused]] const auto length = pread (lock, holder, sizeof (holder) - 1, 0);
            std::cout << "waiting up to " << lockWaitSeconds << " s for the JACK server of another test (process "
                      << juce::String (holder).upToFirstOccurrenceOf ("\n", false, false) << ") to stop" << std::endl;

            for (int waited = 0; ! locked && waited < lockWaitSeconds * 1000; waited += 100)
            {
                juce::Thread::sleep (100);
                locked = flock (lock, LOCK_EX | LOCK_NB) == 0;
            }
        }

        // Only a record this user wrote may name processes to end.
        struct stat status {};
        const bool ours = fstat (lock, &status) == 0 && status.st_uid == geteuid();

        if (! locked)
            problem = "the other test's JACK server still runs after " + juce::String (lockWaitSeconds) + " s";
        else if (const auto survivors = ours ? endWhatAKilledRunLeft (lock) : juce::String(); survivors.isNotEmpty())
            problem = "what a killed JACK test run left still runs: " + survivors;

        if (problem.isNotEmpty())
        {
            close (lock);
            return;
        }

        // Who holds the lock, for a test that has to wait for it, and this boot.
        const auto header = juce::String (getpid()) + "\n" + bootId() + "\n";
        [[maybe_unused]] const auto cleared = ftruncate (lock, 0);
        [[maybe_unused]] const auto written = pwrite (lock, header.toRawUTF8(), header.getNumBytesAsUTF8(), 0);
        lockHold = { lock, 1 };
        held = true;
    }

    JackTestsLock::~JackTestsLock()
    {
        if (! held || --lockHold.holders > 0)
            return;

        // Every program it recorded has been stopped: nothing is left to end.
        [[maybe_unused]] const auto cleared = ftruncate (lockHold.file, 0);
        close (lockHold.file);
        lockHold = {};
    }

    juce::String JackTestsLock::serverName()
    {
        return "vostrel-tests-" + userId();
    }

    juce::File JackTestsLock::file()
    {
        return juce::File ("/tmp/vostrel-jack-tests-" + userId() + ".lock");
    }

    namespace
    {
        /** The time the server waits for a client's cycle (ten times its client timeout). */
        constexpr int clientWaitMilliseconds = 20000;

        /** Longer than any JACK program takes that waits for a cycle or two, on a
            server that runs them. */
        constexpr int cycleWaitMilliseconds = 10000;

        /** The process that holds a JACK server's name: the one with the server's
            socket open, whoever started it. */
        std::optional<MachineProcess> nameHolder (const juce::String& name)
        {
            const auto socket = "/dev/shm/jack_" + name + "_" + userId() + "_0";
            juce::StringArray inodes;

            // Num RefCount Protocol Flags Type St Inode Path
            for (const auto& line : juce::StringArray::fromLines (juce::String (readText ("/proc/net/unix"))))
            {
                const auto fields = juce::StringArray::fromTokens (line.trim(), false);

                if (fields.size() == 8 && fields[7] == socket)
                    inodes.add ("socket:[" + fields[6] + "]");
            }

            std::optional<MachineProcess> holder;

            if (! inodes.isEmpty())
                forEachEntry ("/proc", [&] (const auto& process)
                {
                    forEachEntry (process / "fd", [&] (const auto& fd)
                    {
                        std::error_code error;

                        if (! holder && inodes.contains (juce::String (std::filesystem::read_symlink (fd, error).string())))
                            holder = MachineProcess::find ((pid_t) std::atoi (process.filename().c_str()));
                    });
                });

            return holder;
        }

        /** True when a thread of the process sits in the system call that waits for
            JACK's wake-up: a futex in one of the server's semaphore files mapped. */
        bool waitsForItsWakeUp (pid_t pid)
        {
            std::vector<std::pair<juce::uint64, juce::uint64>> semaphores;

            for (const auto& line : juce::StringArray::fromLines (procFile (pid, "maps")))
                if (line.contains ("/dev/shm/jack_sem."))
                    semaphores.emplace_back ((juce::uint64) line.upToFirstOccurrenceOf ("-", false, false).getHexValue64(),
                                             (juce::uint64) line.fromFirstOccurrenceOf ("-", false, false).getHexValue64());

            bool waits = false;

            forEachEntry ("/proc/" + std::to_string (pid) + "/task", [&] (const auto& task)
            {
                // The call's number and arguments while the thread is in one, else "running".
                const auto call = juce::StringArray::fromTokens (juce::String (readText (task / "syscall")).trim(), false);
                const auto address = (juce::uint64) call[1].getHexValue64();

                if (call[0] == juce::String (SYS_futex))
                    for (const auto& [from, to] : semaphores)
                        waits = waits || (address >= from && address < to);
            });

            return waits;
        }

        juce::String howItEnded (int exitCode)
        {
            if (exitCode > 128 && exitCode - 128 < NSIG)
                return "signal " + juce::String (exitCode - 128) + " (" + juce::String (strsignal (exitCode - 128)) + ")";

            return "exit code " + juce::String (exitCode);
        }
    }

    JackServer::JackServer (const juce::File& testFolder)
        : folder (testFolder)
    {
        if (! lock.isHeld())
        {
            problem = lock.getProblem();
            return;
        }

        const auto name = JackTestsLock::serverName();

        if (const auto holder = nameHolder (name))
        {
            problem = "the JACK server name " + name + " is held by " + describe (*holder)
                      + ", which no run of these tests started: stop it to run them";
            return;
        }

        // Every JACK program this process starts from now on reaches this server,
        // and one that cannot fails rather than starting a server of its own.
        setenv ("JACK_DEFAULT_SERVER", name.toRawUTF8(), 1);
        setenv ("JACK_NO_START_SERVER", "1", 1);

        server = std::make_unique<BackgroundProcess> (
            juce::StringArray { "jackd", "--no-realtime", "--sync", "--timeout", juce::String (clientWaitMilliseconds / 10),
                                "--name", name, "-d", "dummy", "-r", juce::String ((int) rate), "-p", juce::String (period) },
            folder.getChildFile ("jackd.log"));

        // jack_wait --check ends with 0 either way and says "running" or "not running";
        // what answers must be this server.
        const auto answers = [&]
        {
            const auto holder = nameHolder (name);
            return holder && holder->pid == server->getPid()
                   && juce::StringArray::fromLines (runTool ({ "jack_wait", "--check" }, 10000).output).contains ("running");
        };

        ready = waitUntil (answers, [&] { return server->isRunning(); }, 30000);

        if (! ready)
            problem = server->isRunning() ? juce::String ("the JACK server did not answer within 30 s")
                                          : "the JACK server ended with " + howItEnded (server->stop());
    }

    JackServer::~JackServer()
    {
        stop();
    }

    juce::String JackServer::stop()
    {
        juce::StringArray failures;

        // The clients leave the server while it still runs.
        for (auto client = clients.rbegin(); client != clients.rend(); ++client)
            if (const int exitCode = client->process->stop(); exitCode != 0)
                failures.add ("when stopped, " + client->endedWith (exitCode));

        if (server != nullptr)
            server->stop();

        return failures.joinIntoString ("; ");
    }

    juce::String JackServer::Client::endedWith (int exitCode) const
    {
        return name + " ended with " + howItEnded (exitCode) + (runsThePlugin ? ": the plug-in failed in it" : ": it failed");
    }

    BackgroundProcess& JackServer::startClient (const juce::StringArray& command, const juce::String& name, bool runsThePlugin)
    {
        clients.push_back ({ std::make_unique<BackgroundProcess> (command, folder.getChildFile (name + ".log")), name, runsThePlugin });
        return *clients.back().process;
    }

    bool JackServer::serverWaitedInVain() const
    {
        // What the server writes when a cycle did not come: a client that waited
        // for one, a new client turned away, or the wait for the last client.
        const auto log = folder.getChildFile ("jackd.log").loadFileAsString();

        return log.contains ("wait error") || log.contains ("Driver is not running") || log.contains ("SuspendRefNum error");
    }

    juce::String JackServer::ended (const BackgroundProcess* except)
    {
        for (auto& client : clients)
            if (client.process.get() != except && ! client.process->isRunning())
                return client.endedWith (client.process->stop());

        if (server != nullptr && ! server->isRunning())
            return "the JACK server ended with " + howItEnded (server->stop());

        return {};
    }

    juce::String JackServer::diagnose()
    {
        const auto cleared = [&]() -> juce::String
        {
            if (const auto gone = ended(); gone.isNotEmpty())
                return gone;

            // Over a second or so while the server has no cycle for the clients, each
            // must show that it waits for its wake-up, and none may burn CPU.
            constexpr int samples = 10, sampleMilliseconds = 150;
            std::vector<unsigned long long> cpuBefore;
            std::vector<bool> waited (clients.size());

            for (auto& client : clients)
                cpuBefore.push_back (cpuTicks (client.process->getPid()));

            for (int sample = 0; sample < samples; ++sample)
            {
                juce::Thread::sleep (sampleMilliseconds);

                for (size_t i = 0; i < clients.size(); ++i)
                    waited[i] = waited[i] || waitsForItsWakeUp (clients[i].process->getPid());
            }

            const double seconds = samples * sampleMilliseconds / 1000.0;

            for (size_t i = 0; i < clients.size(); ++i)
            {
                const auto& client = clients[i];
                const auto who = client.runsThePlugin ? "the plug-in in " + client.name : client.name;
                const auto share = (double) (cpuTicks (client.process->getPid()) - cpuBefore[i]) / (double) sysconf (_SC_CLK_TCK) / seconds;

                if (share > 0.25)
                    return who + " used " + juce::String (juce::roundToInt (share * 100)) + " % of a core while the server had no cycle for it: it hangs";

                if (! waited[i])
                    return who + " never waited for its wake-up from the server (its threads were busy or held elsewhere): it hangs";
            }

            return {};
        }();

        stalled = cleared.isEmpty();
        return stalled ? juce::String ("the JACK server has stalled: every program still runs, and each client waits for its wake-up")
                       : cleared + ", not the JACK server";
    }

    juce::String JackServer::connect (const juce::String& from, const juce::String& to, int timeoutMilliseconds)
    {
        ToolRun last { -1, {} };
        bool cyclesStopped = false;

        // jack_connect waits for a cycle to join and one to leave; one that does
        // not end means the cycles have stopped.
        const auto connected = [&]
        {
            last = runTool ({ "jack_connect", from, to }, cycleWaitMilliseconds);
            cyclesStopped = last.exitCode == -1 || serverWaitedInVain();
            return last.exitCode == 0 || cyclesStopped;
        };

        if (waitUntil (connected, [&] { return ended().isEmpty(); }, timeoutMilliseconds) && ! cyclesStopped)
            return {};

        const auto why = cyclesStopped || ended().isNotEmpty() ? diagnose() : juce::String ("the time is up");
        return "no connection from " + from + " to " + to + ": " + why + "; jack_connect last said:\n" + last.output;
    }

    juce::String JackServer::record (const juce::StringArray& ports, int seconds, const juce::File& wav)
    {
        // Its buffer holds the whole recording: a disk thread the machine holds up loses nothing.
        juce::StringArray command { "jack_rec", "-f", wav.getFullPathName(), "-d", juce::String (seconds), "-b", "32",
                                    "-B", juce::String ((int) rate * (seconds + 1)) };
        command.addArray (ports);
        auto& recorder = startClient (command, "jack_rec");

        // jack_rec writes the samples as they come and the file's header when done.
        const auto recorded = [&] { return (double) wav.getSize() / (4.0 * ports.size() * rate); };
        const auto start = juce::Time::getMillisecondCounter();
        auto lastGrowth = start, lastReport = start;
        auto size = wav.getSize();
        juce::String failure;

        while (failure.isEmpty() && recorder.isRunning())
        {
            juce::Thread::sleep (100);
            const auto now = juce::Time::getMillisecondCounter();

            if (wav.getSize() != size)
            {
                size = wav.getSize();
                lastGrowth = now;
            }
            else if (ended (&recorder).isNotEmpty() || serverWaitedInVain()
                     || now - lastGrowth > (juce::uint32) (clientWaitMilliseconds + cycleWaitMilliseconds))
            {
                const auto silent = (now - lastGrowth) / 1000;
                failure = "jack_rec recorded about " + juce::String (recorded(), 2) + " of " + juce::String (seconds) + " s"
                          + (silent > 0 ? ", nothing in the last " + juce::String (silent) + " s: " : juce::String (": ")) + diagnose();
            }

            if (now - lastReport >= 10000)
            {
                lastReport = now;
                std::cout << "jack_rec has recorded about " << recorded() << " of " << seconds << " s after "
                          << (now - start) / 1000 << " s" << std::endl;
            }
        }

        const int exitCode = recorder.stop();
        clients.pop_back();

        // A program that ended at the very end, or a server that stalled on the way
        // and may have run a cycle without a client, spoils the recording too.
        if (failure.isEmpty() && (ended().isNotEmpty() || serverWaitedInVain()))
            failure = "the cycles stopped during the recording: " + diagnose();

        if (failure.isEmpty() && exitCode != 0)
            failure = "jack_rec ended with " + howItEnded (exitCode);

        return failure;
    }

    juce::File runJackSessions (const juce::File& testFolder, const JackSession& session)
    {
        constexpr int sessions = 3;

        for (int number = 1;; ++number)
        {
            const auto folder = testFolder.getChildFile ("session-" + juce::String (number));

            if (! folder.createDirectory())
            {
                ADD_FAILURE() << "cannot make " << folder.getFullPathName();
                return {};
            }

            JackServer jack (folder);

            if (! jack.isReady())
            {
                ADD_FAILURE() << jack.getProblem() << programLogs (folder);
                return {};
            }

            const auto failed = session (jack, folder);

            if (failed.isEmpty())
                return folder;

            if (! jack.hasStalled())
            {
                ADD_FAILURE() << failed << programLogs (folder);
                return {};
            }

            if (number == sessions)
            {
                ADD_FAILURE() << "the JACK server stalled in every session; the last:\n" << failed << programLogs (folder);
                return {};
            }

            // The test script lists these lines, for a log that keeps passing tests' output.
            std::cout << "rerun: session " << number << " of " << sessions << " in all stalled in the JACK server\n"
                      << failed << programLogs (folder) << std::endl;
        }
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
