// Starting the server program for the host action: a program that cannot be started is reported, one that
// runs is not started twice, one that ended is reaped and can be started again, and stopping ends even a
// program that ignores the polite request. Also the client's command line.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "client/app/ClientOptions.h"
#include "client/app/ServerLauncher.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {
namespace {

class ServerLauncherTest : public ::testing::Test {
protected:
    // An executable shell script in the scratch bin folder (the working directory).
    void Script(const std::string& name, const std::string& body) {
        const std::filesystem::path path = m_layout.Bin() / name;
        ASSERT_TRUE(WriteFile(path, "#!/bin/sh\n" + body + "\n"));
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
    // Waits until the file exists (the script has come that far).
    ::testing::AssertionResult Await(const std::string& name) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!std::filesystem::exists(m_layout.Bin() / name)) {
            if (std::chrono::steady_clock::now() > deadline) {
                return ::testing::AssertionFailure() << name << " did not appear";
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return ::testing::AssertionSuccess();
    }
    // True when pid is no process of ours any more (neither running nor a zombie left unreaped).
    static bool Gone(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) < 0 && errno == ECHILD; }

    ScratchRunLayout m_layout{"launcher"};
};

TEST_F(ServerLauncherTest, AMissingProgramIsReported) {
    for (const char* program : {"./NoSuchServer", "./"}) {
        SCOPED_TRACE(program);
        ServerLauncher launcher(program);
        EXPECT_FALSE(launcher.Start({}));
        EXPECT_FALSE(launcher.IsRunning());
        EXPECT_NE(launcher.LastError().find(program), std::string::npos) << launcher.LastError();
    }
}

TEST_F(ServerLauncherTest, ARunningServerIsNotStartedTwiceAndIsStoppedWithTheLauncher) {
    Script("Server", "echo \"$@\" >> started.txt\nexec sleep 30");
    pid_t pid = -1;
    {
        ServerLauncher launcher("./Server");
        ASSERT_TRUE(launcher.Start({"--port", "61000"}));
        pid = launcher.Pid();
        EXPECT_TRUE(launcher.Start({"--port", "61000"}));
        EXPECT_EQ(launcher.Pid(), pid);
        EXPECT_TRUE(launcher.IsRunning());
        EXPECT_TRUE(Await("started.txt"));
    }
    EXPECT_TRUE(Gone(pid)) << "destroying the launcher stops and reaps the server";
    EXPECT_EQ(ReadFile(m_layout.Bin() / "started.txt"), "--port 61000\n");
}

TEST_F(ServerLauncherTest, AServerThatEndedIsReapedAndCanBeStartedAgain) {
    Script("Server", "exit 3");
    ServerLauncher launcher("./Server");
    ASSERT_TRUE(launcher.Start({}));
    const pid_t first = launcher.Pid();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (launcher.IsRunning() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(launcher.IsRunning());
    EXPECT_EQ(launcher.ExitStatus(), 3);
    EXPECT_TRUE(Gone(first));
    ASSERT_TRUE(launcher.Start({}));
    EXPECT_NE(launcher.Pid(), -1);
}

TEST_F(ServerLauncherTest, StopEndsAServerThatIgnoresTheRequest) {
    Script("Stubborn", "trap '' TERM\ntouch trapped\nwhile true; do sleep 0.05; done");
    ServerLauncher launcher("./Stubborn");
    ASSERT_TRUE(launcher.Start({}));
    ASSERT_TRUE(Await("trapped"));
    const pid_t pid = launcher.Pid();
    const auto started = std::chrono::steady_clock::now();
    launcher.Stop(0.3);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_FALSE(launcher.IsRunning());
    EXPECT_EQ(launcher.ExitStatus(), 128 + SIGKILL);
    EXPECT_TRUE(Gone(pid));
}

TEST_F(ServerLauncherTest, TheServerEndsWhenTheClientIsKilled) {
    // Written whole under another name first: the test may look between the file's creation and the write.
    Script("Server", "echo $$ > server.pid.part && mv server.pid.part server.pid\nexec sleep 30");
    const pid_t client = fork();
    ASSERT_GE(client, 0);
    if (client == 0) {
        // A client that hosts and is then killed before it can stop its server.
        ServerLauncher launcher("./Server");
        if (launcher.Start({})) {
            pause();
        }
        _exit(1);
    }
    ASSERT_TRUE(Await("server.pid"));
    kill(client, SIGKILL);
    waitpid(client, nullptr, 0);
    const std::string server = "/proc/" + std::to_string(std::stoi(ReadFile(m_layout.Bin() / "server.pid")));
    // Orphaned, the server is reaped by whoever adopts it; until then it shows as a zombie.
    const auto ended = [&] {
        std::ifstream file(server + "/stat");  // procfs files report no size: read the line as it comes
        std::string stat;
        std::getline(file, stat);
        const std::size_t state = stat.rfind(')');
        return stat.empty() || (state != std::string::npos && stat.compare(state, 3, ") Z") == 0);
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!ended() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(ended()) << "the hosted server outlived the killed client";
}

TEST(ClientOptionsTest, TakesAServerPortAndAFrameLogAndRefusesAnythingElse) {
    const struct {
        std::vector<std::string> arguments;
        bool ok;
        unsigned short port;
        std::string frameLog = "";
    } cases[] = {
        {{}, true, 60000},
        {{"--server-port", "61234"}, true, 61234},
        {{"--server-port", "1"}, true, 1},
        {{"--server-port", "65535"}, true, 65535},
        {{"--server-port", "0"}, false, 0},
        {{"--server-port", "65536"}, false, 0},
        {{"--server-port", "-5"}, false, 0},
        {{"--server-port", "12ab"}, false, 0},
        {{"--server-port", ""}, false, 0},
        {{"--server-port"}, false, 0},
        {{"--port", "61234"}, false, 0},
        {{"--frame-log", "frames.txt"}, true, 60000, "frames.txt"},
        {{"--frame-log", "f.txt", "--server-port", "61234"}, true, 61234, "f.txt"},
        {{"--frame-log"}, false, 0},
        {{"--frame-log", ""}, false, 0},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const std::string& argument : c.arguments) {
            joined += argument + " ";
        }
        SCOPED_TRACE(joined);
        const ClientOptionsResult result = ParseClientOptions(c.arguments);
        EXPECT_EQ(result.ok, c.ok) << result.error;
        if (c.ok) {
            EXPECT_EQ(result.options.serverPort, c.port);
            EXPECT_EQ(result.options.frameLog, c.frameLog);
        } else {
            EXPECT_FALSE(result.error.empty());
        }
    }
}

}  // namespace
}  // namespace ombrin::test
