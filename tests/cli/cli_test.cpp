// loxar-cli as a script or an organiser calls it: exit codes and the prepared home.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "model/file_io.hpp"
#include "model/home_lock.hpp"
#include "support/run_cli.hpp"
#include "support/temp_home.hpp"

namespace {

using loxar::testing::CliRun;

CliRun run(const std::string& args, const char* streams = "2>/dev/null") {
    return loxar::testing::run_cli(args, streams);
}

TEST(Cli, ExitCodes) {
    struct Case {
        const char* args;
        int status;
    };
    const Case cases[] = {{"--help", 0},
                          {"", 2},
                          {"nosuch", 2},
                          {"init --bogus", 2},
                          {"init --home", 2},
                          {"keybox --help", 0},
                          {"keybox --slow soon", 2},
                          {"keybox --recount", 2}};
    for (const auto& c : cases) EXPECT_EQ(run(c.args).status, c.status) << c.args;
}

TEST(Cli, VersionIsTheProjectVersion) {
    CliRun r = run("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "loxar-cli " LOXAR_VERSION "\n");
}

TEST(Cli, InitPreparesTheHomeAsTheWindowDoes) {
    loxar::testing::TempHome home;
    CliRun r = run("init --home '" + home.path().string() + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, home.path().string() + "\n");
    EXPECT_TRUE(std::filesystem::exists(home.path() / "SZABALYOK" / "HADX.rule"));
    EXPECT_TRUE(std::filesystem::is_directory(home.path() / "SYSTEM" / "SSB"));
}

TEST(Cli, CommandsThatWriteIntoARunningWindowsHomeAreRefused) {
    loxar::testing::TempHome home;
    const std::string h = home.path().string();
    const std::filesystem::path log = home.path().parent_path() / "verseny.log";
    ASSERT_EQ(run("init --home '" + h + "'").status, 0);
    ASSERT_TRUE(loxar::write_file_atomic(
        log, "Log records:\r\nHA5KDR,JN97MM,OP,2,14,1,BP,1,BUDAPEST,1,,1\r\nEnd\r\n"));
    const loxar::HomeLockAttempt window = loxar::lock_home(home.path(), "loxar");
    ASSERT_TRUE(window.lock.held());
    struct Case {
        std::string args;
        std::filesystem::path written;  // by a command that may run
    };
    const std::string score = "score '" + log.string() + "' --home '" + h + "'";
    const Case refused[] = {{"init --home '" + h + "'", {}},
                            {score + " -o '" + h + "/LOG/uj.log'", home.path() / "LOG" / "uj.log"}};
    for (const Case& c : refused) {
        const CliRun r = run(c.args, "2>&1 >/dev/null");
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_NE(r.out.find("A Loxar már fut ezzel a mappával: " + h +
                             " (folyamat: " + std::to_string(::getpid()) + ", loxar)"),
                  std::string::npos)
            << r.out;
        if (!c.written.empty()) {
            EXPECT_FALSE(std::filesystem::exists(c.written)) << c.args;
        }
    }
    const Case allowed[] = {{score, {}},
                            {"dxcc HA5KDR --home '" + h + "'", {}},
                            {score + " -o '" + log.string() + ".uj'", log.string() + ".uj"}};
    for (const Case& c : allowed) {
        EXPECT_EQ(run(c.args).status, 0) << c.args;
        if (!c.written.empty()) {
            EXPECT_TRUE(std::filesystem::exists(c.written)) << c.args;
        }
    }
}

TEST(Cli, UnusableHomeIsRefused) {
    EXPECT_EQ(run("init --home /proc/loxar").status, 1);
}

}  // namespace
