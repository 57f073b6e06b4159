/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Lv2HostSupport.h"

#include <cstdlib>
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
        const auto path = lv2Bundle().getParentDirectory().getFullPathName() + ":" + testFolder.getFullPathName();
        setenv ("LV2_PATH", path.toRawUTF8(), 1);
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

        const int exitCode = tool.stop();
        return { exitCode, tool.getLog() };
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

    JackServer::JackServer (const juce::File& folder)
        : name ("vostrel-test-" + juce::String (getpid())),
          lock (open ("/tmp/vostrel-jack-tests.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666))
    {
        bool locked = false;

        for (int waited = 0; lock >= 0 && ! locked && waited < 300000; waited += 100)
        {
            locked = flock (lock, LOCK_EX | LOCK_NB) == 0;

            if (! locked)
                juce::Thread::sleep (100);
        }

        if (! locked)
            return;

        // Every JACK program this process starts from now on reaches this server only.
        setenv ("JACK_DEFAULT_SERVER", name.toRawUTF8(), 1);
        server = std::make_unique<BackgroundProcess> (
            juce::StringArray { "jackd", "--no-realtime", "--name", name, "-d", "dummy",
                                "-r", juce::String ((int) rate), "-p", "512" },
            folder.getChildFile ("jackd.log"));
        ready = runTool ({ "jack_wait", "--wait", "--timeout", "10" }, 15000).exitCode == 0;
    }

    JackServer::~JackServer()
    {
        if (server != nullptr)
            server->stop();

        // What the server's clients, and a server that had to be killed, leave behind.
        for (const auto& file : juce::File ("/dev/shm").findChildFiles (juce::File::findFiles, false, "jack*_" + name + "_*"))
            file.deleteFile();

        if (lock >= 0)
            close (lock);
    }

    bool JackServer::waitForPort (const juce::String& port, int timeoutMilliseconds) const
    {
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMilliseconds;

        do
        {
            if (juce::StringArray::fromLines (runTool ({ "jack_lsp" }, 5000).output).contains (port))
                return true;

            juce::Thread::sleep (100);
        }
        while (juce::Time::getMillisecondCounter() < end);

        return false;
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
