// loxar-cli dxcc against the shipped country file: well-known calls, exceptions, refusals.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "model/file_io.hpp"
#include "support/run_cli.hpp"
#include "support/temp_home.hpp"

namespace {

using loxar::testing::CliRun;

CliRun run(const std::string& args, const char* streams = "2>/dev/null") {
    return loxar::testing::run_cli(args, streams);
}

std::string home_option(const loxar::testing::TempHome& h) {
    return " --home '" + h.path().string() + "'";
}

TEST(DxccCli, WellKnownCallsInTheShippedFile) {
    loxar::testing::TempHome home;
    struct Case {
        const char* call;
        const char* out;
    };
    const Case cases[] = {
        {"HA5KDR", "239\tHungary\tEU\t28\n"},
        {"HG7T", "239\tHungary\tEU\t28\n"},
        {"ha5kdr", "239\tHungary\tEU\t28\n"},  // typed in lower case
        {"DL1ABC", "230\tFed. Rep. of Germany\tEU\t28\n"},
        {"K1ABC", "291\tUnited States\tNA\t6;7;8\n"},
        {"JA1XYZ", "339\tJapan\tAS\t45\n"},
        {"VK2ABC", "150\tAustralia\tOC\t55;58;59\n"},
        // Exceptions inside a wider prefix: the more specific line wins.
        {"UA2FZ", "126\tKaliningrad\tEU\t29\n"},
        {"UA3AAA", "054\tRussia\tEU\t19;20;29;30\n"},
        {"KH6XX", "110\tHawaii\tOC\t61\n"},
        {"VK9XX", "035\tChristmas Island\tOC\t54\n"},
        {"VK9NS", "189\tNorfolk Island\tOC\t60\n"},
        {"HB0XX", "251\tLiechtenstein\tEU\t28\n"},
        {"HB9XX", "287\tSwitzerland\tEU\t28\n"},
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
    EXPECT_EQ(run("dxcc QQ1XX" + home_option(home), "2>&1 >/dev/null").out, "Unknown DXCC: QQ1XX\n");
}

TEST(DxccCli, TheOperatorsOwnFileIsUsedAndKept) {
    loxar::testing::TempHome home;
    const auto file = home.path() / "SYSTEM" / "dxcc_list.txt";
    std::filesystem::create_directories(file.parent_path());
    const std::string own = "239,HA,Hungary,EU,28,15,HA\r\nbroken line\r\n007,HA5,Budapest,EU,28,15,HA5\r\n";
    ASSERT_TRUE(loxar::write_file_atomic(file, own));
    EXPECT_EQ(run("dxcc HA5KDR" + home_option(home)).out, "007\tBudapest\tEU\t28\n");
    const std::string err = run("dxcc HA1A" + home_option(home), "2>&1 >/dev/null").out;
    EXPECT_NE(err.find("2. sor"), std::string::npos);
    EXPECT_EQ(loxar::read_file(file), own);
}

TEST(DxccCli, Usage) {
    struct Case {
        const char* args;
        int status;
    };
    const Case cases[] = {
        {"dxcc --help", 0}, {"dxcc", 2}, {"dxcc HA5KDR DL1ABC", 2}, {"dxcc HA5KDR -o x", 2}};
    for (const Case& c : cases) EXPECT_EQ(run(c.args).status, c.status) << c.args;
}

}  // namespace
