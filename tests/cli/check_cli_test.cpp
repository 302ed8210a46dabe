// loxar-cli check: exit status 0 for a clean report, 1 with its findings, 2 for a file it
// cannot read as a report; --log compares the claimed score with the log's own total.
#include <gtest/gtest.h>

#include "cli/cli_home.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

const Text kClean =
    "START-OF-LOG: 3.0\r\n"
    "CALLSIGN: HA5XYZ\r\n"
    "CONTEST: HA-DX\r\n"
    "CATEGORY-OPERATOR: SINGLE-OP\r\n"
    "CLAIMED-SCORE: 999999\r\n"
    "QSO: 14200 CW 2024-05-04 1230 HA5XYZ 599 0001 OK1ABC 599 0002\r\n"
    "END-OF-LOG:\r\n";

TEST(CheckCli, ExitStatusAndFindings) {
    testing::CliHome f;
    auto check = [&f](const char* name, const Text& bytes, const std::string& extra = "") {
        EXPECT_TRUE(write_file_atomic(f.dir / name, bytes));
        return testing::run_cli("check " + testing::quoted(f.dir / name) + extra + f.home_arg());
    };
    const testing::CliRun clean = check("clean.cbr", kClean);
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");

    Text damaged = kClean;
    damaged.replace(damaged.find("1230"), 4, "1290");
    const testing::CliRun found = check("damaged.cbr", damaged);
    EXPECT_EQ(found.status, 1);
    EXPECT_EQ(found.out, "6: hibás időpont: \"1290\"\n");

    EXPECT_EQ(check("note.txt", "just a note\r\n").status, 2);
    EXPECT_EQ(testing::run_cli("check " + testing::quoted(f.dir / "none.cbr") + f.home_arg()).status, 2);

    f.write_log(ContestType::Hadx, {testing::general("OK1ABC", 1, "14 MHz", "12:30", "CW")});
    const testing::CliRun claimed = check("clean.cbr", kClean, " --log " + testing::quoted(f.log));
    EXPECT_EQ(claimed.status, 1);
    EXPECT_NE(claimed.out.find("5: a CLAIMED-SCORE 999999, a napló szerint"), std::string::npos)
        << claimed.out;
}

}  // namespace
}  // namespace loxar
