// loxar-cli qra-merge: a saved log's stations merged into a database file, and refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/file_io.hpp"
#include "support/run_cli.hpp"
#include "support/sample_lines.hpp"
#include "support/temp_home.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::run_cli;

TEST(QraMergeCli, MergesTheLogIntoTheBaseAndKeepsOrReplacesExchanges) {
    testing::TempHome home;
    const fs::path dir = home.path().parent_path();
    const fs::path log = dir / "hadx.log", base = dir / "alap.qra", out = dir / "uj.qra";
    // HADX (type 5) from the header.
    Text file = "Log records:\r\nHA5KDR,JN97MM,PETER,2,14,5,BP,1,BUDAPEST,1,TESZT,1\r\n";
    for (const auto& [call, nr] :
         {std::pair{"HA1AB", "GY"}, std::pair{"DL1XX", "15"}, std::pair{"HA7NEW", "SZ"}}) {
        file += testing::line_of(ContestType::Hadx, testing::Worked{.call = call, .nr = nr}) + "\r\n";
    }
    ASSERT_TRUE(write_file_atomic(log, file + "End\r\n"));
    ASSERT_TRUE(write_file_atomic(
        base, "QRA lista\r\nHA1AB;JN97AA;PETER;PECS;BP;Igen;042\r\nDL1XX;;HANS;;DOK;Nem;\r\n"));
    const std::string args = "qra-merge '" + log.string() + "' --base '" + base.string() + "' --home '" +
                             home.path().string() + "' -o '" + out.string() + "'";

    ASSERT_EQ(run_cli(args).status, 0);
    const Text kept =
        "QRA lista\r\nHA1AB;JN97AA;PETER;PECS;BP;Igen;042\r\nDL1XX;AA00AA;HANS;NONE;DOK;Nem;000\r\n"
        "HA7NEW;AA00AA;NONE;NONE;SZ;Nem;000\r\n";
    EXPECT_EQ(read_file(out).value_or(""), kept);
    ASSERT_EQ(run_cli(args + " --replace-exchange").status, 0);
    Text replaced = kept;
    replaced.replace(replaced.find(";BP;"), 4, ";GY;");
    EXPECT_EQ(read_file(out).value_or(""), replaced);

    ASSERT_TRUE(write_file_atomic(base, "HA1AB;JN97AA\r\n"));
    const auto refused = run_cli(args, "2>&1 >/dev/null");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("Nem QRA lista!"), std::string::npos) << refused.out;
    EXPECT_EQ(run_cli("qra-merge").status, 2);
    EXPECT_EQ(run_cli("qra-merge --help").status, 0);
}

}  // namespace
}  // namespace loxar
