/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The JACK servers of the host tests: a run killed midway leaves nothing in the
// next run's way, a server the tests did not start is left alone, and one user's
// tests never wait for another's.

#include <gtest/gtest.h>

#include "Lv2HostSupport.h"
#include "TestSupport.h"

#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vostrel::test;

namespace
{
    const auto thisProgram = juce::File ("/proc/self/exe").getLinkedTarget();

    /** A test of this program run in a process of its own, its temporary files in the folder. */
    juce::StringArray runOfThisProgram (const juce::String& test, const juce::File& temporary, const juce::File& program = thisProgram)
    {
        return { "env", "TMPDIR=" + temporary.getFullPathName(), program.getFullPathName(), "--gtest_filter=" + test };
    }

    const juce::String jalvTest = "Lv2Host.JalvPlaysTheModelAHostPicksFromTheDescribedChoices";
    const juce::String foreignServerTest = "JackServer.LeavesAServerOfItsNameThatNoRunStartedWorking";

    /** The server's files (socket, semaphores), each with its inode: one deleted
        and made again would have another. */
    juce::String filesOfServer (const juce::String& name)
    {
        juce::StringArray files;

        for (const auto& file : juce::File ("/dev/shm").findChildFiles (juce::File::findFiles, false, "jack*" + name + "*"))
        {
            struct stat status {};
            stat (file.getFullPathName().toRawUTF8(), &status);
            files.add (file.getFileName() + " " + juce::String ((juce::int64) status.st_ino));
        }

        files.sort (false);
        return files.joinIntoString ("\n");
    }
}

TEST (JackServer, ARunKilledMidSessionLeavesNothingInTheNextRunsWay)
{
    TemporaryFolder temp;
    BackgroundProcess killed (runOfThisProgram (jalvTest, temp.folder), temp.folder.getChildFile ("killed.log"));

    // Mid-session: its server, jalv and the source run, and jack_rec records.
    std::vector<MachineProcess> left;
    const auto recording = [&]
    {
        left = MachineProcess::childrenOf (killed.getPid());
        return std::any_of (left.begin(), left.end(), [] (auto& p) { return p.commandLine().startsWith ("jack_rec "); });
    };
    ASSERT_TRUE (waitUntil (recording, [&] { return killed.isRunning(); }, 240000)) << killed.getLog();
    ASSERT_EQ (kill (killed.getPid(), SIGKILL), 0);
    killed.stop();

    juce::StringArray programs;

    for (const auto& process : left)
        programs.add (process.commandLine().upToFirstOccurrenceOf (" ", false, false));

    for (const auto* program : { "jackd", "jack_simple_client", "jalv" })
        ASSERT_TRUE (programs.contains (program)) << programs.joinIntoString (", ");

    const auto next = runTool (runOfThisProgram (jalvTest, temp.folder), 300000);
    EXPECT_EQ (next.exitCode, 0) << next.output;

    for (const auto& process : left)
        EXPECT_FALSE (process.isRunning()) << process.commandLine();
}

TEST (JackServer, LeavesAServerOfItsNameThatNoRunStartedWorking)
{
    TemporaryFolder temp;
    // No other test's server can take the name meanwhile.
    JackTestsLock lock;
    ASSERT_TRUE (lock.isHeld()) << lock.getProblem();

    const auto name = JackTestsLock::serverName();
    BackgroundProcess foreign ({ "jackd", "--no-realtime", "--name", name, "-d", "dummy" }, temp.folder.getChildFile ("foreign.log"));
    const juce::StringArray listPorts { "env", "JACK_DEFAULT_SERVER=" + name, "JACK_NO_START_SERVER=1", "jack_lsp" };
    const auto takesAClient = [&] { return runTool (listPorts, 10000).output.contains ("system:playback_1"); };
    ASSERT_TRUE (waitUntil (takesAClient, [&] { return foreign.isRunning(); }, 30000)) << foreign.getLog();
    const auto files = filesOfServer (name);
    ASSERT_TRUE (files.isNotEmpty());

    {
        JackServer jack (temp.folder);
        EXPECT_FALSE (jack.isReady());
        EXPECT_TRUE (jack.getProblem().contains ("process " + juce::String (foreign.getPid()) + " (jackd ")) << jack.getProblem();
    }

    EXPECT_TRUE (foreign.isRunning());
    EXPECT_EQ (filesOfServer (name), files);
    EXPECT_TRUE (takesAClient()) << foreign.getLog();
}

TEST (JackServer, AnotherUsersLockAndServerNeverStopARun)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can run a test as another user";

    const auto* nobody = getpwnam ("nobody");
    ASSERT_NE (nobody, nullptr);

    TemporaryFolder temp;
    const auto folder = temp.folder.getChildFile ("root");
    ASSERT_TRUE (folder.createDirectory());
    JackServer ours (folder);
    ASSERT_TRUE (ours.isReady()) << ours.getProblem() << programLogs (folder);

    // A copy of this program the other user can run, and a temporary folder of its own.
    const auto program = temp.folder.getChildFile ("tests");
    const auto itsTemporary = temp.folder.getChildFile ("tmp");
    ASSERT_TRUE (thisProgram.copyFileTo (program) && program.setExecutePermission (true));
    ASSERT_TRUE (itsTemporary.createDirectory());
    ASSERT_EQ (chown (itsTemporary.getFullPathName().toRawUTF8(), nobody->pw_uid, nobody->pw_gid), 0);

    juce::StringArray asNobody { "setpriv", "--reuid=" + juce::String (nobody->pw_uid), "--regid=" + juce::String (nobody->pw_gid),
                                 "--clear-groups" };
    asNobody.addArray (runOfThisProgram (foreignServerTest, itsTemporary, program));
    const auto run = runTool (asNobody, 120000);
    EXPECT_EQ (run.exitCode, 0) << run.output;
    EXPECT_TRUE (run.output.contains ("[  PASSED  ] 1 test")) << run.output;
    EXPECT_FALSE (run.output.contains ("waiting")) << run.output;
}
