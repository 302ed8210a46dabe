// loxar-cli as a script or an organiser calls it: exit codes and the prepared home.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/temp_home.hpp"

namespace {

struct CliRun {
    int status;
    std::string out;
};

CliRun run(const std::string& args) {
    const std::string cmd = std::string(LOXAR_CLI_PATH) + " " + args + " 2>/dev/null";
    CliRun r{0, {}};
    FILE* p = popen(cmd.c_str(), "r");
    char buf[512];
    while (p && fgets(buf, sizeof buf, p)) r.out += buf;
    int raw = p ? pclose(p) : -1;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

TEST(Cli, ExitCodes) {
    struct Case { const char* args; int status; };
    const Case cases[] = {{"--help", 0}, {"", 2}, {"nosuch", 2}, {"init --bogus", 2}, {"init --home", 2}};
    for (const auto& c : cases) EXPECT_EQ(run(c.args).status, c.status) << c.args;
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
