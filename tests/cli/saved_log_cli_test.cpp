// loxar-cli on a saved log as the window's panels use it: export (the ADIF the Export panel
// builds), qra-merge (its stations merged into a database file) and stats (the page "Mentés"
// writes, the refusal of a type without a page, and the QSOs per hour as CSV).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_home.hpp"
#include "exchange/adif_export.hpp"
#include "session/list_save.hpp"
#include "statistics/statistics.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::kErrors;
using testing::quoted;
using testing::run_cli;

TEST(ExportCli, TheLogsAdifOnStandardOutputOrIntoAFile) {
    testing::CliHome f;
    const std::vector<Text> lines = {testing::line_of(ContestType::HaQrp, {.call = "DL1ABC"}),
                                     testing::line_of(ContestType::HaQrp, {.call = "OK1KZ"})};
    // Own data and contest type from the header, as loading the log sets them.
    const std::string args = "export " + quoted(f.write_log(ContestType::HaQrp, lines)) + f.home_arg();

    const Text expected =
        adif_export_text(lines, ContestType::HaQrp, {"HA5KDR", "PETER", "BUDAPEST", "JN97MM"});
    const auto printed = run_cli(args);
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, expected);

    const fs::path out = f.dir / "verseny.adi";
    EXPECT_EQ(run_cli(args + " -o " + quoted(out)).status, 0);
    EXPECT_EQ(read_file(out).value_or(""), expected);

    const auto missing = run_cli("export " + quoted(f.dir / "nincs.log") + f.home_arg(), kErrors);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("A file nem található"), std::string::npos) << missing.out;
}

TEST(QraMergeCli, MergesTheLogIntoTheBaseAndKeepsOrReplacesExchanges) {
    testing::CliHome f;
    const fs::path base = f.dir / "alap.qra", out = f.dir / "uj.qra";
    std::vector<Text> lines;
    for (const auto& [call, nr] :
         {std::pair{"HA1AB", "GY"}, std::pair{"DL1XX", "15"}, std::pair{"HA7NEW", "SZ"}}) {
        lines.push_back(testing::line_of(ContestType::Hadx, testing::Worked{.call = call, .nr = nr}));
    }
    const fs::path log = f.write_log(ContestType::Hadx, lines);
    ASSERT_TRUE(write_file_atomic(
        base, "QRA lista\r\nHA1AB;JN97AA;PETER;PECS;BP;Igen;042\r\nDL1XX;;HANS;;DOK;Nem;\r\n"));
    const std::string args =
        "qra-merge " + quoted(log) + " --base " + quoted(base) + f.home_arg() + " -o " + quoted(out);

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
    const auto refused = run_cli(args, kErrors);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("Nem QRA lista!"), std::string::npos) << refused.out;
}

TEST(StatsCli, PageBytesRefusalAndRate) {
    testing::CliHome f;
    const auto hskc = [](Text call, Text nr, Text time) {
        return testing::line_of(
            ContestType::Hskc,
            {.time = "2024-05-04/" + time, .call = call, .nr = nr, .dist = "Multi", .band = "3,5 MHz"});
    };
    const std::vector<Text> lines = {hskc("HA5AA", "11A", "12:05:00"), hskc("HA7ZZ", "5B", "12:55:00"),
                                     hskc("HA1XY", "7B", "14:10:00")};
    const fs::path log = f.write_log(ContestType::Hskc, lines);
    const fs::path out = f.dir / "stat.lst";

    ASSERT_EQ(run_cli("stats " + quoted(log) + " -o " + quoted(out) + f.home_arg()).status, 0);
    const Text page = read_file(out).value_or("");
    EXPECT_EQ(page, crlf_text(statistics_page(lines, ContestType::Hskc, {Session::kNoCountries, {}, {}})));
    EXPECT_NE(page.find("3,5 MHz   00003   00001   00002   00003   00005   00015    \r\n"), Text::npos)
        << page;

    const auto rate = run_cli("stats --rate " + quoted(log) + f.home_arg());
    EXPECT_EQ(rate.status, 0);
    EXPECT_EQ(rate.out,
              "hour,band,count\n"
              "2024-05-04 12:00,\"3,5 MHz\",2\n"
              "2024-05-04 13:00,\"3,5 MHz\",0\n"
              "2024-05-04 14:00,\"3,5 MHz\",1\n");

    const fs::path dx = f.write_log(ContestType::Dx, {testing::qrp("HA5AA", "7 MHz")}, true, "dx.log");
    const fs::path none = f.dir / "semmi.lst";
    const auto refused = run_cli("stats " + quoted(dx) + " -o " + quoted(none) + f.home_arg(), kErrors);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("nincs statisztika"), std::string::npos) << refused.out;
    EXPECT_FALSE(fs::exists(none));
}

}  // namespace
}  // namespace loxar
