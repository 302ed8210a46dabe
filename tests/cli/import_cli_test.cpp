// loxar-cli import: our own EDI and Cabrillo reports come back as the same QSOs; refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cli_home.hpp"
#include "session/log_file.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::kErrors;
using testing::quoted;
using testing::run_cli;

struct Files : testing::CliHome {
    fs::path file(const char* name, const Text& bytes) const {
        EXPECT_TRUE(write_file_atomic(dir / name, bytes));
        return dir / name;
    }
};

// What a QSO is, whatever the layout around it: date, hour and minute, callsign, band.
std::vector<Text> qsos(const std::vector<Text>& lines) {
    std::vector<Text> out;
    for (const Text& l : lines)
        out.push_back(col(l, 1, 16) + " " + trim(col(l, 21, 20)) + " " + col(l, 108, 7));
    return out;
}

TEST(ImportCli, OwnReportsComeBackAsTheSameQsos) {
    Files f;
    const std::vector<Text> log = {
        testing::general("DL1ABC", 1, "145 MHz", "11:29", "CW"),
        testing::general("OK1XYZ", 2, "145 MHz", "11:30", "SSB"),
        testing::general("HA5KDR", 3, "145 MHz", "11:30", "CW"),
    };
    const fs::path log_file = f.file("v.log", log_file_text("HA1ABC,JN97AA,OP,2,14,1 ,,1,QTH,1,T,0", log));
    const struct {
        const char* format;
        const char* contest;
    } cases[] = {{"EDIF", "IARU"}, {"HA-DX", "HADX"}};
    for (const auto& c : cases) {
        const fs::path report = f.dir / "report.txt";
        ASSERT_EQ(run_cli(std::string("report ") + c.format + " " + quoted(log_file) + " -o " +
                          quoted(report) + f.home_arg())
                      .status,
                  0);
        const fs::path out = f.dir / "out.import";
        const CliRun r = run_cli("import " + quoted(report) + " --contest " + c.contest + " -o " +
                                 quoted(out) + f.home_arg());
        ASSERT_EQ(r.status, 0) << c.format;
        const LogFileRead back = read_log_file(out);
        ASSERT_TRUE(back.usable());
        EXPECT_EQ(qsos(back.qso_lines()), qsos(log)) << c.format;
        // The header names the contest type converted for (field 6).
        Text header = back.lines[1];
        for (int i = 0; i < 5; ++i) header = header.substr(header.find(',') + 1);
        EXPECT_EQ(col(header, 1, 2), c.contest == std::string("IARU") ? "1 " : "5 ");
    }
}

TEST(ImportCli, OutputFilterAndRefusals) {
    Files f;
    const fs::path adif = f.file("a.adi",
                                 "<CALL:4>DL1A<QSO_DATE:8>20240217<TIME_ON:4>1200<FREQ:5>7.025<EOR>"
                                 "<CALL:4>DL2A<QSO_DATE:8>20240217<TIME_ON:4>1201<FREQ:6>14.025<EOR>");
    CliRun r =
        run_cli("import " + quoted(adif) + " --contest 'SILENT KEY MEM' --filter '7 MHz'" + f.home_arg());
    EXPECT_EQ(r.status, 0);
    const LogFileRead shown = parse_log_file(r.out);
    ASSERT_EQ(shown.qso_count(), 1u);
    EXPECT_EQ(col(shown.qso_lines()[0], 21, 4), "DL1A");

    const fs::path huge = f.dir / "huge.adi";
    { std::ofstream(huge) << "<CALL:4>DL1A<EOR>"; }
    fs::resize_file(huge, kMaxInputFileBytes + 1);
    const fs::path unknown = f.file("u.txt", "hello\r\n");
    const fs::path empty = f.file("empty.adi", "");
    const fs::path binary = f.file("bin.adi", Text("<CALL:4>DL1A\0<EOR>", 18));
    const struct {
        std::string args;
        int status;
        Text message;
    } cases[] = {
        {"import --help", 0, ""},
        {"import " + quoted(adif), 2, ""},
        {"import " + quoted(adif) + " --contest NOPE", 2, hu(u8"Ismeretlen verseny típus: NOPE")},
        {"import " + quoted(adif) + " --contest IARU --filter 3m", 2, hu(u8"Ismeretlen szűrő: 3m")},
        {"import " + quoted(unknown) + " --contest IARU", 1, hu(u8"Ismeretlen formátum!")},
        // Read past the first chunk, any size: the NUL bytes far into it are still found.
        {"import " + quoted(huge) + " --contest IARU", 1,
         hu(u8"A file bináris adatot tartalmaz, nem importálható!")},
        {"import " + quoted(empty) + " --contest IARU", 1, hu(u8"Nincs mit feldolgozni!")},
        {"import " + quoted(binary) + " --contest IARU", 1,
         hu(u8"A file bináris adatot tartalmaz, nem importálható!")},
    };
    for (const auto& c : cases) {
        r = run_cli(c.args + f.home_arg(), kErrors);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(utf8_to_cp1250(r.out).find(c.message), Text::npos) << r.out;
    }
}

}  // namespace
}  // namespace loxar
