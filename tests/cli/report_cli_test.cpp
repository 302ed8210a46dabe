// loxar-cli report: the report of every format from a saved log, the sheet file, and refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_home.hpp"
#include "reports/data_sheet.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using T = ContestType;
using testing::CliRun;
using testing::kErrors;

// A home with a log file, and maybe a sheet file and an output file, beside it.
struct LogFile : testing::CliHome {
    // Two QSOs of the layout of `type`; `sex` is the second one's received sex.
    void write_two(T type, int sex = 2) {
        write_log(type, {testing::line_of(type, {.call = "HA1AA", .sex = 2, .own_sex = 2}),
                         testing::line_of(type, {.call = "OK1KZ", .sex = sex, .own_sex = 2})});
    }
    std::string args(const std::string& format, const std::string& extra = "") const {
        return "report " + format + " " + testing::quoted(log) + home_arg() + extra;
    }
};

// A format of each writer and line layout; the Cabrillo headers of each type are tested with the
// writers.
TEST(ReportCli, EveryFormatFromItsLog) {
    const struct {
        const char* format;
        T type;
        const char* first_line;
    } cases[] = {
        {"EDIF", T::Iaru, "[REG1TEST;1]"},
        {"YLOM", T::YlOm,
         "ADIF Created with Loxar by Tarvik, conforming to ADIF standard specification V 1.00"},
        {"HA-DX", T::Hadx, "START-OF-LOG: 3.0"},
        {"CQ-WW-VHF", T::CqwwVhf, "START-OF-LOG: 2.0"},
        {"HA-QRP", T::HaQrp, "START-OF-LOG: 3.0"},
        {"SKMC", T::SilentKeyMem, "START-OF-LOG: 3.0"},
        {"NMARK", T::Nmark, "START-OF-LOG: 3.0"},
        {"SWL", T::Swl, "START-OF-LOG: 3.0"},
    };
    for (const auto& c : cases) {
        LogFile f;
        f.write_two(c.type);
        const CliRun r = testing::run_cli(f.args(c.format));
        EXPECT_EQ(r.status, 0) << c.format;
        EXPECT_EQ(r.out.substr(0, std::string(c.first_line).size() + 2), std::string(c.first_line) + "\r\n")
            << c.format;
    }
}

TEST(ReportCli, EdiReportHasTheCalculatedResultsAndTheSheetFromTheLog) {
    LogFile f;
    f.write_two(T::Iaru);
    const std::string out = testing::run_cli(f.args("EDIF")).out;
    for (const char* line : {"\r\nPCall=HA5KDR\r\n", "\r\nTDate=20240504;20240504\r\n", "\r\nCQSOs=2;1\r\n",
                             "\r\n[QSORecords;2]\r\n"}) {
        EXPECT_NE(out.find(line), std::string::npos) << line;
    }
    EXPECT_NE(out.find("\r\n240504;1230;OK1KZ;2;"), std::string::npos);
}

TEST(ReportCli, OutputFileHoldsTheSameBytes) {
    LogFile f;
    f.write_two(T::Hskc);
    const fs::path out = f.dir / "riport.cbr";
    const CliRun to_file = testing::run_cli(f.args("HSKC", " -o '" + out.string() + "'"));
    EXPECT_EQ(to_file.status, 0);
    EXPECT_EQ(to_file.out, "");
    const CliRun to_stdout = testing::run_cli(f.args("HSKC"));
    ASSERT_FALSE(to_stdout.out.empty());
    EXPECT_EQ(read_file(out), to_stdout.out);
}

TEST(ReportCli, SheetFileGivesTheHeader) {
    LogFile f;
    f.write_two(T::Iaru);
    DataSheet d;
    d.tx_TName = "VHF TAVASZ";
    const fs::path sheet = f.dir / "adatlap.hdr";
    ASSERT_TRUE(write_file_atomic(sheet, sheet_file_text(d)));
    const CliRun r = testing::run_cli(f.args("EDIF", " --sheet '" + sheet.string() + "'"));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("[REG1TEST;1]\r\nTName=VHF TAVASZ\r\n"), std::string::npos);

    ASSERT_TRUE(write_file_atomic(sheet, "QRA lista\r\nHA5KDR;JN97MM\r\n"));
    const std::string bad = f.args("EDIF", " --sheet '" + sheet.string() + "'");
    EXPECT_EQ(testing::run_cli(bad).status, 1);
    EXPECT_EQ(testing::run_cli(bad).out, "");
    EXPECT_EQ(testing::run_cli(bad, kErrors).out, "Hibás a formátum!\n");
    EXPECT_EQ(testing::run_cli(f.args("EDIF", " --sheet '" + (f.dir / "nincs.hdr").string() + "'")).status,
              1);
}

TEST(ReportCli, Refusals) {
    LogFile f;
    f.write_two(T::YlOm, 0);
    const CliRun yl = testing::run_cli(f.args("YLOM"));
    EXPECT_EQ(yl.status, 1);
    EXPECT_EQ(yl.out, "");
    EXPECT_EQ(testing::run_cli(f.args("YLOM"), kErrors).out,
              "OK1KZ-nél nincs a Sex definialva! Javítsa majd nyomja meg az <Újraszámolás> "
              "gombot!\n");

    for (const char* format : {"EDI", "edif", "CABRILLO"}) {
        EXPECT_EQ(testing::run_cli(f.args(format)).status, 2) << format;
    }
    LogFile missing;
    EXPECT_EQ(testing::run_cli(missing.args("EDIF")).status, 1);
}

// A duplicate stops the result calculation; an EDI report without a single QSO must not be
// handed out as if it were the log's report.
TEST(ReportCli, DuplicateThatStopsTheCalculationRefusesTheReport) {
    LogFile f;
    const Text same = testing::line_of(T::Iaru, {.call = "OK1KZ"});
    f.write_log(T::Iaru, {same, same});
    const CliRun r = testing::run_cli(f.args("EDIF"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(testing::run_cli(f.args("EDIF"), kErrors).out, "Dupla hívójelet találtam 00002 !\n");
}

}  // namespace
}  // namespace loxar
