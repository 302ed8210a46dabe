// loxar-cli score: the total of saved log files, and the files it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_home.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

using T = ContestType;
using testing::CliRun;
using testing::kErrors;
using testing::line_of;
using testing::Worked;

struct LogFile : testing::CliHome {
    std::string args(const std::string& extra = "") const {
        return "score " + testing::quoted(log) + home_arg() + extra;
    }
};

Worked qso(Text call, Text nr = "1", Text dist = "--/--", Text pts = "9") {
    return {.call = call, .nr = nr, .dist = dist, .pts = pts};
}

TEST(ScoreCli, TotalsAfterLoadingAsTheWindowDoes) {
    Worked ff = qso("HA5KDR");
    ff.own_sex = 2;
    ff.sex = 2;
    Worked nf = ff;
    nf.own_sex = 1;
    struct Case {
        const char* what;
        T type;
        std::vector<Text> lines;
        std::string out;
    };
    const Case cases[] = {
        {"HADX markers worked out again",
         T::Hadx,
         {line_of(T::Hadx, qso("DL1ABC")), line_of(T::Hadx, qso("DL2XYZ", "1", "DX/--")),
          line_of(T::Hadx, qso("HA5KDR"))},
         "Verseny: HADX\nQSO: 3\nÖsszpontszám: 14\nSzámláló: 3/2\n"},
        {"YL-OM pairs",
         T::YlOm,
         {line_of(T::YlOm, ff), line_of(T::YlOm, ff), line_of(T::YlOm, nf)},
         "Verseny: YL-OM\nQSO: 3\nÖsszpontszám: 7\nInformáció: N-N:0  N-F:1  F-N:0  F-F:2\n"},
        {"HSKC summary",
         T::Hskc,
         {line_of(T::Hskc, qso("HA5KDR", "11A")), line_of(T::Hskc, qso("HA5KXX", "7B")),
          line_of(T::Hskc, qso("HG3AB", "3"))},
         "Verseny: HSKC\nQSO: 3\nÖsszpontszám: 0000008\nSzámláló: 3/1/1/2\n"
         "Összesítő: QSO:3    DXCC:0    SCORES:4    TOTAL:0000008\n"},
        {"an empty IARU log", T::Iaru, {}, "Verseny: IARU\nQSO: 0\nÖsszpontszám: 0\n"},
    };
    for (const Case& c : cases) {
        LogFile f;
        f.write_log(c.type, c.lines);
        const CliRun r = testing::run_cli(f.args());
        EXPECT_EQ(r.status, 0) << c.what;
        EXPECT_EQ(r.out, c.out) << c.what;
        // Scoring writes nothing into the home, whatever the file's automatic-save setting.
        EXPECT_TRUE(std::filesystem::is_empty(f.home.path() / "LOG")) << c.what;
    }
}

TEST(ScoreCli, RecountRunsTheRecountButton) {
    LogFile f;
    Worked a = qso("HA5KDR", "1", "00010", "20");
    a.num = "00009";
    f.write_log(T::CqwwVhf, {line_of(T::CqwwVhf, a)});
    const CliRun out = testing::run_cli(f.args(" --recount"));
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.out, "Verseny: CQWW-VHF\nQSO: 1\nÖsszpontszám: 20\n");
    const CliRun err = testing::run_cli(f.args(" --recount"), kErrors);
    EXPECT_EQ(err.out, "A jegyzőkönyv készítésnél kerül kiértékelésre!\n");

    f.write_log(T::RhOb, {line_of(T::RhOb, qso("HA5A")), line_of(T::RhOb, qso("HA5A"))});
    EXPECT_EQ(testing::run_cli(f.args(" --recount")).out,
              "Verseny: RH-OB\nQSO: 2\nÖsszpontszám: 2\nSzámláló: N:001 Q:002 M:001\n");
}

TEST(ScoreCli, OutputIsTheScoredLogAndLoadsBackWithTheSameTotal) {
    LogFile f;
    // The stored markers are stale; the scored copy carries the worked-out ones.
    f.write_log(T::Hadx, {line_of(T::Hadx, qso("DL1ABC")), line_of(T::Hadx, qso("DL2XYZ", "1", "DX/--")),
                          line_of(T::Hadx, qso("HA5KDR"))});
    const std::filesystem::path out = f.dir / "ujraertekelt.log";
    const CliRun scored = testing::run_cli(f.args(" --recount -o '" + out.string() + "'"));
    EXPECT_EQ(scored.status, 0);
    const auto written = read_file(out);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->substr(0, 14), "Log records:\r\n");
    EXPECT_EQ(written->substr(written->size() - 5), "End\r\n");
    LogFile again;
    std::filesystem::copy_file(out, again.log);
    EXPECT_EQ(testing::run_cli(again.args()).out, scored.out);

    const CliRun refused =
        testing::run_cli(f.args(" -o '" + f.home.path().string() + "/NINCS/x.log'"), kErrors);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("Nem sikerült menteni: "), std::string::npos);
}

TEST(ScoreCli, RefusedFiles) {
    struct Case {
        const char* what;
        Text contents;
        const char* message;
    };
    const Case cases[] = {
        {"not a log file", "QRA lista\r\nHA5KDR;JN97MM\r\n", "Nem LOG file!\n"},
        {"empty file", "", "Nem LOG file!\n"},
        {"no End line", "Log records:\r\nHA5KDR,JN97MM\r\n", "File vég hiba!\n"},
    };
    for (const Case& c : cases) {
        LogFile f;
        ASSERT_TRUE(write_file_atomic(f.log, c.contents));
        EXPECT_EQ(testing::run_cli(f.args()).status, 1) << c.what;
        EXPECT_EQ(testing::run_cli(f.args()).out, "") << c.what;
        EXPECT_EQ(testing::run_cli(f.args(), kErrors).out, c.message) << c.what;
    }
    LogFile missing;
    EXPECT_EQ(testing::run_cli(missing.args()).status, 1);
}

TEST(ScoreCli, Usage) {
    LogFile f;
    f.write_log(T::Iaru, {});
    const std::string home = f.home_arg();
    struct Case {
        std::string args;
        int status;
    };
    const Case cases[] = {
        {"score --help", 0},     {"score" + home, 2}, {"score a.log b.log" + home, 2},
        {f.args(" --bogus"), 2}, {f.args(" -o"), 2},  {"dxcc HA5KDR --recount" + home, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(testing::run_cli(c.args).status, c.status) << c.args;
}

TEST(ScoreCli, ExplainSaysWhyPerQsoAndEndsOnTheTotal) {
    LogFile f;
    f.write_log(T::Hadx, {line_of(T::Hadx, qso("DL1ABC")), line_of(T::Hadx, qso("DL1ABC")),
                          line_of(T::Hadx, qso("HA5KDR"))});
    const CliRun r = testing::run_cli(f.args(" --explain"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "1. DL1ABC 145 MHz: 3 pont (Fed. Rep. of Germany (EU), Európában); új ország (szorzó)\n"
              "2. DL1ABC 145 MHz: 3 pont (Fed. Rep. of Germany (EU), Európában); ismétlés: a 1. QSO-é\n"
              "3. HA5KDR 145 MHz: 1 pont (Hungary (EU), magyar állomás); új ország (szorzó)\n"
              "Összesen: 3 QSO, 7 pont\n"
              "Összpontszám: 7 pont × 2 ország = 14\n");
}

}  // namespace
}  // namespace loxar
