// loxar-cli as a script or an organiser calls it: exit codes and the prepared home.
#include <gtest/gtest.h>

#include "support/run_cli.hpp"

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/temp_home.hpp"

namespace {

using loxar::testing::CliRun;

CliRun run(const std::string& args, const char* streams = "2>/dev/null") {
    return loxar::testing::run_cli(args, streams);
}

TEST(Cli, ExitCodes) {
    struct Case { const char* args; int status; };
    const Case cases[] = {{"--help", 0}, {"", 2}, {"nosuch", 2}, {"init --bogus", 2}, {"init --home", 2},
                         {"keybox --help", 0}, {"keybox --slow soon", 2}, {"keybox --recount", 2}};
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

TEST(Cli, UnusableHomeIsRefused) {
    EXPECT_EQ(run("init --home /proc/loxar").status, 1);
}

}  // namespace
