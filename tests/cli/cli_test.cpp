// loxar-cli as a script or an organiser calls it: exit codes, the prepared home, and the commands
// that need no log: dxcc against the shipped country file, qrb for two locators.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "cli/cli_home.hpp"
#include "model/home_lock.hpp"

namespace {

using loxar::testing::CliRun;
using loxar::testing::kErrors;

CliRun run(const std::string& args, const char* streams = "2>/dev/null") {
    return loxar::testing::run_cli(args, streams);
}

std::string home_option(const loxar::testing::TempHome& h) {
    return " --home '" + h.path().string() + "'";
}

TEST(Cli, ExitCodes) {
    for (const char* args :
         {"--help", "keybox --help", "dxcc --help", "qrb --help", "export --help", "qra-merge --help"}) {
        EXPECT_EQ(run(args).status, 0) << args;
    }
    // Usage errors.
    for (const char* args : {"",
                             "nosuch",
                             "init --bogus",
                             "init --home",
                             "keybox --slow soon",
                             "keybox --recount",
                             "dxcc",
                             "dxcc HA5KDR DL1ABC",
                             "dxcc HA5KDR -o x",
                             "qrb",
                             "qrb JN97MM",
                             "qrb JN97MM KN08AA JN97AA",
                             "qrb JN97MM KN08AA --multiplier",
                             "qrb JN97MM KN08AA --multiplier x",
                             "qrb JN97MM KN08AA --multiplier 40000",
                             "qrb JN97MM KN08AA -o out.txt",
                             "qrb JN97MM KN08AA --bogus",
                             "export",
                             "qra-merge",
                             "stats"}) {
        EXPECT_EQ(run(args).status, 2) << args;
    }
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
        const CliRun r = run(c.args, kErrors);
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

// The lookup itself is tested on its own; these pin the shipped file and the printed fields.
TEST(DxccCli, WellKnownCallsInTheShippedFile) {
    loxar::testing::TempHome home;
    struct Case {
        const char* call;
        const char* out;
    };
    const Case cases[] = {
        {"HA5KDR", "239\tHungary\tEU\t28\n"},
        {"ha5kdr", "239\tHungary\tEU\t28\n"},  // typed in lower case
        {"K1ABC", "291\tUnited States\tNA\t6;7;8\n"},
        // Exceptions inside a wider prefix: the more specific line wins.
        {"UA2FZ", "126\tKaliningrad\tEU\t29\n"},
        {"UA3AAA", "054\tRussia\tEU\t19;20;29;30\n"},
        {"KH6XX", "110\tHawaii\tOC\t61\n"},
        {"VK9NS", "189\tNorfolk Island\tOC\t60\n"},
        {"HB0XX", "251\tLiechtenstein\tEU\t28\n"},
    };
    for (const Case& c : cases) {
        CliRun r = run(std::string("dxcc ") + c.call + home_option(home));
        EXPECT_EQ(r.status, 0) << c.call;
        EXPECT_EQ(r.out, c.out) << c.call;
    }
}

TEST(DxccCli, NoCountryIsRefused) {
    loxar::testing::TempHome home;
    CliRun out = run("dxcc QQ1XX" + home_option(home));
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.out, "");
    EXPECT_EQ(run("dxcc QQ1XX" + home_option(home), kErrors).out, "Unknown DXCC: QQ1XX\n");
}

TEST(DxccCli, TheOperatorsOwnFileIsUsedAndKept) {
    loxar::testing::TempHome home;
    const auto file = home.path() / "SYSTEM" / "dxcc_list.txt";
    std::filesystem::create_directories(file.parent_path());
    const std::string own = "239,HA,Hungary,EU,28,15,HA\r\nbroken line\r\n007,HA5,Budapest,EU,28,15,HA5\r\n";
    ASSERT_TRUE(loxar::write_file_atomic(file, own));
    EXPECT_EQ(run("dxcc HA5KDR" + home_option(home)).out, "007\tBudapest\tEU\t28\n");
    const std::string err = run("dxcc HA1A" + home_option(home), kErrors).out;
    EXPECT_NE(err.find("2. sor"), std::string::npos);
    EXPECT_EQ(loxar::read_file(file), own);
}

// The distances and bearings are tested with the locators; these pin the three printed fields.
TEST(QrbCli, PrintsTheFieldsOfTheLogPanel) {
    struct Case {
        const char* args;
        const char* out;
    };
    const Case cases[] = {
        {"JN97MM KN08AA", "00093 00093 53\n"},
        {"JN97MM KN08AA --multiplier 3", "00093 00279 53\n"},
        {"--multiplier 32767 JN97MM PM95TQ", "09034 296017078 45\n"},
        {"jn97mm JN97MM --multiplier 2", "00005 00010 0\n"},
        {"JN97MM AA00AA", "00000 00000 -\n"},
    };
    for (const auto& c : cases) {
        CliRun r = run(std::string("qrb ") + c.args);
        EXPECT_EQ(r.status, 0) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

TEST(QrbCli, RefusesWhatIsNotALocator) {
    for (const char* args : {"JN97MM JN97", "JN97 JN97MM", "JN97MM SN97AA", "JN97MM JN97AY"}) {
        CliRun r = run(std::string("qrb ") + args, kErrors);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "Hibás QRA formátum!\n") << args;
    }
}

}  // namespace
