// The statistics page of each contest type on small logs, worked out by hand; the button, the
// twice-pressed button and the save on the session.
#include <gtest/gtest.h>

#include <algorithm>

#include "database/oblast_table.hpp"
#include "model/file_io.hpp"
#include "reports/cabrillo_report.hpp"
#include "reports/result_fields.hpp"
#include "session/list_save.hpp"
#include "session/report_panel.hpp"
#include "session/scoring.hpp"
#include "session/statistics.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

using testing::line_of;
using testing::Worked;

// Three countries by prefix; a record holds the index in columns 1-3 and the name in 13-44.
class FakeCountries : public CountryLookup {
public:
    Text dxcc_kereses(const Text& call) const override {
        if (call.starts_with("HA")) return record(239, "Hungary");
        if (call.starts_with("DL")) return record(230, "Germany");
        if (call.starts_with("UA")) return record(54, "Russia");
        return "000";
    }
    static Text record(int index, const Text& name) {
        return zero_pad(index, 3) + "  " + pad_cut(name.substr(0, 2), 7) + pad_cut(name, 32) + "EU";
    }
};

Text utf8(const std::vector<Text>& page) {
    Text all;
    for (const Text& l : page) all += cp1250_to_utf8(l) + "|\n";
    return all;
}
Text utf8_lines(const std::vector<const char*>& page) {
    Text all;
    for (const char* l : page) all += Text(l) + "|\n";
    return all;
}

struct PageCase {
    const char* name;
    ContestType type;
    std::vector<Text> lines;
    std::vector<const char*> page;
};

std::vector<PageCase> page_cases() {
    const auto general = [](ContestType t, Text call, Text band, int mode, Text nr, Text loc, Text dist,
                            Text pts) {
        return line_of(
            t,
            Worked{.call = call, .nr = nr, .loc = loc, .mode = mode, .dist = dist, .pts = pts, .band = band});
    };
    const auto qrp = [](Text call, Text band, Text name, Text qth, char marker) {
        return line_of(ContestType::HaQrp, Worked{.call = call, .nr = qth, .name = name, .band = band},
                       marker);
    };
    const ContestType iaru = ContestType::Iaru, hadx = ContestType::Hadx, cqww = ContestType::CqwwVhf,
                      rudx = ContestType::RudxAll, hskc = ContestType::Hskc, skm = ContestType::SilentKeyMem;
    return {
        {"IARU general page: ODX, ties in the Top 10 by callsign, countries by count, squares",
         iaru,
         {general(iaru, "HA5AA", "145 MHz", 2, "1", "JN97AA", "150", "150"),
          general(iaru, "DL1AB", "145 MHz", 2, "2", "JN58AA", "700", "700"),
          general(iaru, "HA7ZZ", "145 MHz", 1, "3", "JN97BB", "150", "150")},
         {"Nr. of QSO's: 3  Distance: 1000  Scores: 1000", "ODX: DL1AB               / JN58AA / 700",
          "Km/QSO: 333", "Top 10:", "    DL1AB                00700  JN58AA",
          "    HA7ZZ                00150  JN97BB", "    HA5AA                00150  JN97AA",
          "Nr of DXCC's: 2", "001 / Germany", "002 / Hungary", "Nr of WWL's: 2", "JN58 / 001    JN97 / 002"}},
        {"general page of an empty log",
         ContestType::CqBp,
         {},
         {"Nr. of QSO's: 0  Distance: 0  Scores: 0", "ODX: ", "Km/QSO: 0", "Top 10:", "Nr of DXCC's: 0",
          "Nr of WWL's: 0"}},
        {"HADX: CW and SSB, DX markers, a band not listed left out",
         hadx,
         {general(hadx, "HA5AA", "14 MHz", 2, "1", "", "--/--", "1"),
          general(hadx, "DL1AB", "14 MHz", 1, "2", "", "DX/--", "3"),
          general(hadx, "UA3AA", "7 MHz", 2, "3", "", "DX/--", "3"),
          general(hadx, "HA1XY", "145 MHz", 2, "4", "", "DX/--", "3")},
         {"HA-DX Contest", "          CW:     SSB:            Összesen",
          "Sáv       QSO     QSO     DXCC    QSO     Pontszám",
          "1,8 MHz   00000   00000   00000   00000   00000    ",
          "3,5 MHz   00000   00000   00000   00000   00000    ",
          "7 MHz     00001   00000   00001   00001   00003    ",
          "14 MHz    00001   00001   00001   00002   00004    ",
          "21 MHz    00000   00000   00000   00000   00000    ",
          "28 MHz    00000   00000   00000   00000   00000    ",
          "=====     00002   00001   00002   00003   00007    ", " ", "    DXCC körzetek",
          "001 / Germany    001 / Hungary    001 / Russia"}},
        {"CQWW-VHF: squares per band, the claimed score after the totals",
         cqww,
         {general(cqww, "HA5AA", "50 MHz", 2, "1", "JN97AA", "10", "1"),
          general(cqww, "DL1AB", "50 MHz", 1, "2", "JN58AA", "10", "2"),
          general(cqww, "HA7ZZ", "145 MHz", 2, "3", "JN97BB", "10", "1"),
          general(cqww, "HA1XY", "145 MHz", 2, "4", "JN97CC", "10", "1")},
         {"CQWW-VHF Contest", "          CW:     SSB:            Összesen",
          "Sáv       QSO     QSO     WWL's   QSO     Pontszám",
          "50 MHz    00001   00001   002     00002   00003    ",
          "145 MHz   00002   00000   001     00002   00002    ",
          "=====     00003   00001   003     00004   00005          =10", " ", " ", "    QRA kockák",
          "JN58    JN97", " ", "    QRA kockák", "JN97"}},
        {"HA-QRP: new countries, one-digit points, their product",
         ContestType::HaQrp,
         {qrp("HA5AA", "7 MHz", "PETER", "BUDAPEST", 'N'), qrp("DL1AB", "7 MHz", "", "BERLIN", 'N'),
          qrp("HA7ZZ", "7 MHz", "JOE", "PECS", '-'), qrp("HA1XY", "3,5 MHz", "AL", "GYOR", '-')},
         {"HA-QRP Contest", "Sáv       QSO     DXCC    Pontsz  Összesen",
          "7 MHz     00003   00002   00005   10", "=====     00003   00002   00005   10", " ",
          "    DXCC körzetek", "001 / Germany    002 / Hungary"}},
        {"RUDX: DX and oblast markers, the multiplier, the oblasts worked",
         rudx,
         {general(rudx, "UA3AA", "14 MHz", 2, "MA", "", "DX/OB", "10"),
          general(rudx, "UA3BB", "14 MHz", 1, "MA", "", "--/--", "10"),
          general(rudx, "DL1AB", "14 MHz", 2, "5", "", "DX/--", "3")},
         {"Russian DX Contest", "          CW:     SSB:                    Összesen",
          "Sáv       QSO     QSO     DXCC    OBLAST  QSO     Pontszám Szorzó",
          "1,8 MHz   00000   00000   00000   00000   00000   00000   00000    ",
          "3,5 MHz   00000   00000   00000   00000   00000   00000   00000    ",
          "7 MHz     00000   00000   00000   00000   00000   00000   00000    ",
          "14 MHz    00002   00001   00002   00001   00003   00023   00003    ",
          "21 MHz    00000   00000   00000   00000   00000   00000   00000    ",
          "28 MHz    00000   00000   00000   00000   00000   00000   00000    ",
          "=====     00002   00001   00002   00001   00003   00023   00003    ", " ", "    DXCC körzetek",
          "001 / Germany    002 / Russia", "    Oblast-ok", "002 / MA Moscow city"}},
        {"HSKC: categories from the serials, multipliers and their keys",
         hskc,
         {general(hskc, "HA5AA", "3,5 MHz", 2, "11A", "", "Multi", "0"),
          general(hskc, "HA7ZZ/P", "3,5 MHz", 2, "5B", "", "Multi", "0"),
          general(hskc, "HA1XY", "3,5 MHz", 2, "7B", "", "-----", "0")},
         {"HSKC Contest", "Sáv       QSO     QRP     QRO     Szorzó  Pontsz  Összesen",
          "3,5 MHz   00003   00001   00002   00002   00005   00010    ",
          "=====     00003   00001   00002   00002   00005   00010    ", " ", "Szorzó(k)", "5A    7Z"}},
        {"SILENT KEY MEM: zones and remembered callsigns",
         skm,
         {general(skm, "HA5AA", "7 MHz", 2, "HA5XX", "28", "IT/SK", "00002"),
          general(skm, "DL1AB", "7 MHz", 2, "HA5XX", "28", "--/--", "00003"),
          general(skm, "UA3AA", "14 MHz", 2, "12", "29", "IT/--", "00003")},
         {"Silent Key Memorial Contest", "Sáv       QSO     ITU     SKM     Pontszám",
          "1,8 MHz   00000   00000   00000   00000    ", "3,5 MHz   00000   00000   00000   00000    ",
          "7 MHz     00002   00001   00001   00005    ", "14 MHz    00001   00001   00000   00003    ",
          "21 MHz    00000   00000   00000   00000    ", "28 MHz    00000   00000   00000   00000    ",
          "=====     00003   00002   00001   00008    ", " ", "    ITU körzetek", "28    29",
          "    Memorial Callsign(s)", "HA5XX"}},
        {"DX has no page", ContestType::Dx, {qrp("HA5AA", "7 MHz", "PETER", "BUDAPEST", 'N')}, {}},
        {"NMARK has no page", ContestType::Nmark, {testing::nmark("HA5AA")}, {}},
    };
}

TEST(StatisticsPage, EveryPageKindOnASmallLog) {
    const FakeCountries countries;
    const std::vector<Text> oblasts = {oblast_entry({"170", "31", "Moscow city", "MA", "EU", "29", "16"})};
    DataSheet sheet;
    clear_results(sheet);
    for (const PageCase& c : page_cases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8(statistics_page(c.lines, c.type, {countries, oblasts, result_multipliers(sheet)})),
                  utf8_lines(c.page));
    }
}

// The CQWW-VHF total is the claimed score of the Cabrillo report on the same log: a square worked
// on both bands counts once, a line marked duplicate brings none, the sheet's multiplier counts.
TEST(StatisticsPage, CqwwVhfTotalIsTheReportsClaimedScore) {
    const ContestType cqww = ContestType::CqwwVhf;
    const auto qso = [cqww](Text call, Text band, Text loc, Text pts) {
        return line_of(cqww, Worked{.call = call, .loc = loc, .pts = pts, .band = band});
    };
    Text duplicate = qso("HA9XX", "145 MHz", "KN08AA", "1");
    duplicate[0] = 'D';
    testing::Started k(cqww, testing::kOwnData);
    Session& s = k.s;
    k.log({qso("HA5AA", "50 MHz", "JN97AA", "1"), qso("DL1AB", "50 MHz", "JN58AA", "2"),
           qso("HA7ZZ", "145 MHz", "JN97BB", "1"), duplicate});
    ossz_pontszam_szamolas(s);
    s.sheet.tx_CQSOMul = "3";
    s.formatum_combo.set(kFormatCqwwVhf);
    eredmeny_cmd_Click(s);
    const Text report = build_report(s, kFormatCqwwVhf).value_or("");
    const std::size_t at = report.find("CLAIMED-SCORE: ");
    ASSERT_NE(at, Text::npos) << report;
    const Text claimed = report.substr(at + 15, report.find('\r', at) - at - 15);
    EXPECT_EQ(claimed, "30");  // 5 points x 2 squares x 3

    statisztika_cmd_Click(s);
    const std::vector<Text>& page = s.vegyes.vegyes_lista[0].items();
    const auto total =
        std::find_if(page.begin(), page.end(), [](const Text& l) { return l.starts_with("====="); });
    ASSERT_NE(total, page.end());
    EXPECT_EQ(total->substr(total->rfind('=') + 1), claimed);
}

TEST(StatisticsPage, TopTenKeepsTheTenLongest) {
    std::vector<Text> lines;
    for (int i = 1; i <= 12; ++i) {
        lines.push_back(line_of(ContestType::Iaru, Worked{.call = "HA" + std::to_string(i % 10) + "AA",
                                                          .loc = "JN97AA",
                                                          .dist = std::to_string(i * 10)}));
    }
    const std::vector<Text> page = statistics_page(lines, ContestType::Iaru, {Session::kNoCountries, {}, {}});
    ASSERT_EQ(page[3], "Top 10:");
    EXPECT_EQ(page[4], "    HA2AA                00120  JN97AA");
    EXPECT_EQ(page[13], "    HA3AA                00030  JN97AA");
    EXPECT_EQ(page[14], "Nr of DXCC's: 0");
}

// The button in the session: the panel, the DX beep, the page built anew each time whatever the
// multiplier key list holds, and the save into a chosen file.
TEST(StatisticsButton, OpensThePanelAndSavesThePage) {
    testing::Unstarted u(ContestType::Iaru,
                         {line_of(ContestType::Iaru, Worked{.call = "HA5AA", .dist = "10"}),
                          line_of(ContestType::Iaru, Worked{.call = "HA7ZZ", .dist = "20"})});
    u.prepare();
    Session& s = u.s;
    s.sort_combo.items = {"5A", "7Z"};  // HSKC keys of an earlier contest
    statisztika_cmd_Click(s);
    const std::vector<Text> first = s.vegyes.vegyes_lista[0].items();
    statisztika_cmd_Click(s);
    EXPECT_EQ(s.vegyes.vegyes_lista[0].items(), first);
    EXPECT_EQ(s.panel, Panel::Vegyes);
    EXPECT_EQ(s.panel_mode, PanelTask::Statistics);
    EXPECT_EQ(s.view[Control::vegyes_keret].caption, "Statisztika");
    EXPECT_EQ(first[3], "Top 10:");
    EXPECT_EQ(first[6], "Nr of DXCC's: 0");  // two QSOs in the Top 10, no more
    EXPECT_EQ(u.fakes.ui.beeps, 0);

    const auto file = u.home.path() / "TEMP" / "stat.lst";
    u.fakes.ui.chooser_results.push_back(text_path(file));
    statisztika_mentes_Click(s);
    EXPECT_EQ(read_file(file).value_or(""), crlf_text(first));
    EXPECT_EQ(u.fakes.ui.messages.back(), "Elmentve!");
    EXPECT_EQ(s.dialog.chooser_extension, "lst");

    // A folder where the file should go: a failure, never "Elmentve!".
    std::filesystem::create_directories(u.home.path() / "TEMP" / "mappa.lst");
    u.fakes.ui.chooser_results.push_back(text_path(u.home.path() / "TEMP" / "mappa.lst"));
    statisztika_mentes_Click(s);
    EXPECT_NE(u.fakes.ui.messages.back(), "Elmentve!");

    s.szabaly_combo.set(static_cast<int>(ContestType::Dx));
    statisztika_cmd_Click(s);
    EXPECT_TRUE(s.vegyes.vegyes_lista[0].empty());
    EXPECT_EQ(u.fakes.ui.beeps, 2);  // the failed save, then DX
    const std::size_t messages = u.fakes.ui.messages.size();
    statisztika_mentes_Click(s);
    EXPECT_EQ(u.fakes.ui.messages.back(), "Nincs mit menteni!");
    EXPECT_EQ(u.fakes.ui.messages.size(), messages + 1);
}

}  // namespace
}  // namespace loxar
