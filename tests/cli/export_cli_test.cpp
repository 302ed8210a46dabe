// loxar-cli export: the ADIF of a saved log as the Export panel builds it, and refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "exchange/adif_export.hpp"
#include "model/file_io.hpp"
#include "support/run_cli.hpp"
#include "support/sample_lines.hpp"
#include "support/temp_home.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::run_cli;

TEST(ExportCli, TheLogsAdifOnStandardOutputOrIntoAFile) {
    testing::TempHome home;
    const fs::path dir = home.path().parent_path();
    const fs::path log = dir / "verseny.log";
    const fs::path out = dir / "verseny.adi";
    const std::vector<Text> lines = {testing::line_of(ContestType::HaQrp, {.call = "DL1ABC"}),
                                     testing::line_of(ContestType::HaQrp, {.call = "OK1KZ"})};
    // Own data and contest type (HA-QRP, 7) from the header, as loading the log sets them.
    Text file = "Log records:\r\nHA5KDR,JN97MM,PETER,2,14,7,BP,1,BUDAPEST,1,TESZT,1\r\n";
    for (const Text& l : lines) file += l + "\r\n";
    ASSERT_TRUE(write_file_atomic(log, file + "End\r\n"));
    const std::string args = "export '" + log.string() + "' --home '" + home.path().string() + "'";

    const Text expected =
        adif_export_text(lines, ContestType::HaQrp, {"HA5KDR", "PETER", "BUDAPEST", "JN97MM"});
    const auto printed = run_cli(args);
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, expected);

    EXPECT_EQ(run_cli(args + " -o '" + out.string() + "'").status, 0);
    EXPECT_EQ(read_file(out).value_or(""), expected);

    const auto missing =
        run_cli("export '" + (dir / "nincs.log").string() + "' --home '" + home.path().string() + "'",
                "2>&1 >/dev/null");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("A file nem található"), std::string::npos) << missing.out;
    EXPECT_EQ(run_cli("export").status, 2);
    EXPECT_EQ(run_cli("export --help").status, 0);
}

}  // namespace
}  // namespace loxar
