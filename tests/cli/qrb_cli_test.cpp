// loxar-cli qrb: the three fields of the log panel for two locators, and what it refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/run_cli.hpp"

namespace {

using loxar::testing::CliRun;

CliRun run(const std::string& args, const char* streams = "2>/dev/null") {
    return loxar::testing::run_cli(args, streams);
}

TEST(QrbCli, PrintsTheFieldsOfTheLogPanel) {
    // Expected values from the hand-run reference noted in tests/rules/locator_test.cpp.
    struct Case {
        const char* args;
        const char* out;
    };
    const Case cases[] = {
        {"JN97MM KN08AA", "00093 00093 53\n"},
        {"JN97MM KN08AA --multiplier 3", "00093 00279 53\n"},
        {"--multiplier 32767 JN97MM PM95TQ", "09034 296017078 45\n"},
        {"JN97MM jn97ab", "00090 00090 236\n"},
        {"JN97MM JN97MM", "00005 00005 0\n"},
        {"jn97mm JN97MM --multiplier 2", "00005 00010 0\n"},
        {"JN97AA JN97AB", "00004 00004 0\n"},
        {"JJ00AA IJ00AA", "02211 02211 270\n"},
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
        CliRun r = run(std::string("qrb ") + args, "2>&1 >/dev/null");
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "Hibás QRA formátum!\n") << args;
    }
}

TEST(QrbCli, UsageErrors) {
    struct Case {
        const char* args;
        int status;
    };
    const Case cases[] = {{"qrb --help", 0},
                          {"qrb", 2},
                          {"qrb JN97MM", 2},
                          {"qrb JN97MM KN08AA JN97AA", 2},
                          {"qrb JN97MM KN08AA --multiplier", 2},
                          {"qrb JN97MM KN08AA --multiplier x", 2},
                          {"qrb JN97MM KN08AA --multiplier 40000", 2},
                          {"qrb JN97MM KN08AA -o out.txt", 2},
                          {"qrb JN97MM KN08AA --bogus", 2}};
    for (const auto& c : cases) EXPECT_EQ(run(c.args).status, c.status) << c.args;
}

}  // namespace
