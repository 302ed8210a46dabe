// Cabrillo reports: the whole text of each format from one filled sheet and a small log.
#include "reports/cabrillo_report.hpp"

#include <gtest/gtest.h>

#include "support/sample_lines.hpp"

namespace loxar {
namespace {

using testing::general;

DataSheet filled_sheet() {
    DataSheet d;
    d.tx_TName = "HF CONTEST ";
    d.tx_PCall = " HA5XX ";
    d.tx_PClub = "MRASZ ";
    d.tx_RName = " Kiss Anna ";
    d.tx_RAdr1 = "FO UTCA 1 ";
    d.tx_RPoCo = "1111 ";
    d.tx_RCity = "BUDAPEST";
    d.tx_RCoun = "HUNGARY";
    d.tx_RCall = "HA5XX ";
    d.tx_MOpe1 = " HA5AA ";
    d.tx_MOpe2 = "   ";
    d.tx_SAnte = "DIPOLE ";
    d.tx_SRXEq = "FT-817";
    d.tx_CToSc = " 1234 ";
    d.megjegyzes_text = "Nice contest.";
    d.hadx_operator_combo.set(1);    // SINGLE-OP
    d.hadx_band_combo.set(1);        // ALL
    d.hadx_power_combo.set(3);       // QRP
    d.hadx_mod_combo.set(1);         // MIXED
    d.hadx_receiver_combo.set(1);    // ONE; the station list stays on "..."
    d.cqww_kategoria_combo.set(3);   // HILLTOPPER
    d.cqww_band_combo.set(3);        // 144
    d.cqww_power_combo.set(1);       // HIGH
    d.haqrp_kategoria_combo.set(1);  // Egyéni
    d.rhob_kategoria_combo.set(1);   // " U"
    return d;
}

// The report of `format` over `log` (or, for CQ-WW-VHF, over the QSO list `log`).
Text report(int format, const std::vector<Text>& log) {
    const DataSheet sheet = filled_sheet();
    const std::vector<Text> none;
    const bool cqww = format == kFormatCqwwVhf;
    const ReportSource src{
        sheet, cqww ? none : log, cqww ? log : none, "HA5XX/P", "JN97KL", "", Combo{}, "CW", "321"};
    return cabrillo_report(format, src);
}

const Text kEnd = "END-OF-LOG:\r\n";

// Header pieces shared by several formats.
const Text kStart = "START-OF-LOG: 3.0\r\n";
const Text kCreated = "CREATED-BY: Loxar by Tarvik \r\n";
const Text kCategories =
    "CATEGORY-OPERATOR: SINGLE-OP\r\n"
    "CATEGORY-BAND: ALL\r\n"
    "CATEGORY-POWER: QRP\r\n"
    "CATEGORY-MODE: MIXED\r\n"
    "CATEGORY-STATION: ...\r\n"
    "CATEGORY-TRANSMITTER: ONE\r\n"
    "CLAIMED-SCORE: 321\r\n";
const Text kAddress =
    "NAME: Kiss Anna\r\n"
    "ADDRESS: FO UTCA 1\r\n"
    "ADDRESS: 1111 BUDAPEST\r\n"
    "ADDRESS: HUNGARY\r\n";
const Text kClub = "CLUB: MRASZ \r\n";

// Standard header, up to and including CLUB, and from NAME on.
const Text kStandardTop = kStart + kCreated + "CALLSIGN: HA5XX\r\n" + kCategories + kClub;
const Text kStandardBottom = kAddress +
                             "OPERATORS: HA5XX\r\n"
                             "ANTENNAS: DIPOLE \r\n"
                             "TRANCEIVERS: FT-817\r\n"
                             "SOAPBOX: Nice contest.\r\n";

// `text` without its first `piece`.
Text without(Text text, const Text& piece) {
    return text.erase(text.find(piece), piece.size());
}

const Text kSkm1 =
    "2014-04-22/09:50:50=XX1AAA       =599/XX2BBB       =599=XX3CCC       =CW =IT/SK=00002=00001="
    "OPNAME        =7 MHz  =28=";
const Text kSkm2 =
    "2014-04-22/10:01:02=XX4DDD       =059/XX5EEE       =059=XX6FFF       =SSB=IT/SK=00002=00002="
    "OPNAME        =145 MHz=28=";
const Text kHskc =
    "2016-07-23/11:29:31=HA1ZZZ              =599/011A/AA00AA/.=599/007-=CW =F=DX/OB/00003=00001="
    "              =3,5 MHz=";

TEST(CabrilloReport, StandardHeaderFormats) {
    const struct {
        int format;
        const char* contest;
        std::vector<Text> log;
        Text qso;
    } cases[] = {
        // FM adds no mode field; the date follows the frequency after one blank.
        {kFormatRdxcAll,
         "RDXC",
         {general("UA3AAA", 1, "21 MHz", "08:05", "FM"), general("UA9BBB", 2, "28 MHz", "08:10")},
         "QSO: 21100 2016-07-23 0805 HA5XX/P       59  0001   UA3AAA        59  0001   \r\n"
         "QSO: 28100 PH 2016-07-23 0810 HA5XX/P       59  0001   UA9BBB        59  0001   \r\n"},
        {kFormatHskc,
         "HSKC",
         {kHskc},
         "QSO:  3500 CW 2016-07-23 1129 HA5XX/P       599 007-   HA1ZZZ        599 011A   \r\n"},
        // The mode stands in columns 71-73 of an SKM line.
        {kFormatSkmc,
         "SKMC",
         {kSkm1, kSkm2},
         "QSO:  7000 CW 2014-04-22 0950 HA5XX/P       599 XX3CCC        XX1AAA        599 "
         "XX2BBB        \r\n"
         "QSO:  7000 PH 2014-04-22 1001 HA5XX/P       59  XX6FFF        XX4DDD        59  "
         "XX5EEE        \r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(report(c.format, c.log),
                  kStandardTop + "CONTEST: " + c.contest + "\r\n" + kStandardBottom + c.qso + kEnd)
            << c.format;
    }
}

TEST(CabrilloReport, RefHasTheModeAndALocation) {
    // 2 m has no frequency figure and nothing before it: its designator.
    const std::vector<Text> log = {general("F5AAA", 1, "145 MHz", "10:00", "SSB"),
                                   general("F6BBB", 2, "3,5 MHz", "10:05", "CW")};
    EXPECT_EQ(report(kFormatRef, log),
              kStandardTop + "CONTEST: REF-CW\r\nLOCATION: DX\r\n" + kStandardBottom +
                  "QSO: 144   PH 2016-07-23 1000 HA5XX/P       59  0001   F5AAA         59  0001   \r\n"
                  "QSO:  3500 CW 2016-07-23 1005 HA5XX/P       59  0001   F6BBB         59  0001   \r\n" +
                  kEnd);
}

TEST(CabrilloReport, SwlHasNoPowerLineAndTheSheetsContest) {
    const std::vector<Text> log = {testing::swl("HA1AAA", "HA2BBB", "14 MHz", "00007", 1),
                                   testing::swl("HA3CCC", "HA4DDD", "10 MHz", "00008", 2)};
    EXPECT_EQ(report(kFormatSwl, log),
              without(kStandardTop, "CATEGORY-POWER: QRP\r\n") + "CONTEST: HF CONTEST \r\nLOCATION: DX\r\n" +
                  kStandardBottom +
                  "QSO: 14200 CW 2024-05-04 1230 HA1AAA        59  00012     HA2BBB        57  "
                  "00007     \r\n"
                  "QSO: 14200 CW 2024-05-04 1230 HA3CCC        59  00012     HA4DDD        57  "
                  "00008     \r\n" +
                  kEnd);
}

TEST(CabrilloReport, Nmark) {
    const Text el =
        "2014-03-19/10:40:00=HA2BBB      =057=BELA          /PECS                 =599=EL =    "
        "00002=OPNAME    =2/1=3,5 MHz=BUDAPEST";
    const std::vector<Text> log = {testing::nmark("HA1AAA", "3,5 MHz"), el,
                                   testing::nmark("HA3CCC", "145 MHz")};
    EXPECT_EQ(report(kFormatNmark, log),
              kStart + kCreated + "CONTEST: NMARK QSO Party\r\nCALLSIGN: HA5XX\r\n" + kCategories + kClub +
                  kStandardBottom +
                  "QSO: 80m   CW 2014-03-19 1034 HA5XX/P       599 OPNAME    HA1AAA        059 "
                  "HISNAME    02\r\n"
                  "QSO: EL    PH 2014-03-19 1040 HA5XX/P       599 OPNAME    HA2BBB        057 "
                  "BELA       02\r\n"
                  "QSO: 2m    CW 2014-03-19 1034 HA5XX/P       599 OPNAME    HA3CCC        059 "
                  "HISNAME    02\r\n" +
                  kEnd);
}

// HA-DX shares this layout; a kHz band column is its number, a text exchange "0000".
TEST(CabrilloReport, Exchange) {
    EXPECT_EQ(report(kFormatExchange, {general("XX3CCC", 1, "03550", "12:00", "CW", "KA  ")}),
              kStart + "ARLL-SECTION: DX\r\nCALLSIGN: HA5XX\r\n" + kClub + "CONTEST: EXCHANGE\r\n" +
                  kCategories + kAddress + kCreated +
                  "QSO: 3550  CW 2016-07-23 1200 HA5XX/P       59  0000   XX3CCC        59  0001   \r\n" +
                  kEnd);
}

TEST(CabrilloReport, RhObWritesOnlyTheFilledOperatorLines) {
    EXPECT_EQ(report(kFormatRhOb, {general("XX1AAA", 1, "7 MHz", "09:00", "CW")}),
              kStart + kCreated + "CONTEST: RH-OB\r\nARRL-SECTION: DX\r\nCALLSIGN: HA5XX/P\r\n" +
                  "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-OVERLAY:  U\r\n" +
                  without(kCategories, "CATEGORY-OPERATOR: SINGLE-OP\r\n") + kAddress +
                  "OPERATORS: HA5AA\r\n"
                  "SOAPBOX: Nice contest.\r\n"
                  "QSO:  7000 CW 2016-07-23 0900 HA5XX/P       59  0001   XX1AAA        59  0001   \r\n" +
                  kEnd);
}

TEST(CabrilloReport, HaQrpAndDx) {
    const Text fm =
        "2014-03-19/10:50:00=HA2BBB          =059/              /                     =059=FM ="
        "00002=OPNAME    =1=-=145 MHz=BUDAPEST";
    const std::vector<Text> log = {testing::qrp("HA1AAA", "7 MHz"), fm};
    for (const auto& [format, section] : {std::pair{kFormatHaQrp, "HA-QRP"}, std::pair{kFormatDx, "DX"}}) {
        EXPECT_EQ(report(format, log),
                  "START-OF-LOG: 3.0\r\n"
                  "ARRL-SECTION: " +
                      Text(section) +
                      "\r\n"
                      "CREATED-BY: Loxar by Tarvik \r\n"
                      "CALLSIGN: HA5XX\r\n"
                      "CLUB: MRASZ\r\n"
                      "CONTEST: HF CONTEST\r\n" +
                      hu(u8"CATEGORY: Egyéni\r\n") +
                      "CLAIMED-SCORE: 321\r\n"
                      "OPERATORS: HA5XX\r\n" +
                      kAddress +
                      "ANTENNAS: DIPOLE \r\n"
                      "TRANCEIVERS: FT-817\r\n"
                      "SOAPBOX: \r\n"
                      "SOAPBOX: Nice contest.\r\n"
                      "QSO:  7000 CW 2014-03-19 1034 HA5XX/P        599 BUDAPEST        OPNAME     "
                      "HA1AAA          599 DEBRECEN        HISNAME        2 *\r\n"
                      "QSO:  7000 FM 2014-03-19 1050 HA5XX/P        59  BUDAPEST        OPNAME     "
                      "HA2BBB          59                                 1 \r\n" +
                      kEnd)
            << section;
    }
}

TEST(CabrilloReport, CqwwVhfReadsItsQsoList) {
    const std::vector<Text> list = {
        "145 MHz;SSB;2016-07-23;1129;HA5XX/P       ;JN97;XX1AAA        ;JN96;00001",
        "50 MHz ;FM ;2016-07-23;1140;HA5XX/P       ;JN97;XX2BBB        ;JN96;00001",
        "145 MHz;RTT;2016-07-23;1150;HA5XX/P       ;JN97;XX3CCC        ;JO10;00002",
    };
    EXPECT_EQ(report(kFormatCqwwVhf, list),
              "START-OF-LOG: 2.0\r\n"
              "CREATED-BY: Loxar by Tarvik \r\n"
              "CALLSIGN: HA5XX\r\n"
              "CONTEST: HF CONTEST\r\n"
              "LOCATION: HA\r\n"
              "CATEGORY-OPERATOR: HILLTOPPER\r\n"
              "CATEGORY-BAND: 144\r\n"
              "CATEGORY-POWER: HIGH\r\n"
              "CLAIMED-SCORE: 1234\r\n"
              "OPERATORS: HA5XX\r\n"
              "NAME: Kiss Anna\r\n"
              "ADDRESS: FO UTCA 1, BUDAPEST, HUNGARY, 1111\r\n"
              "ADDRESS: \r\n"
              "SOAPBOX: Nice contest.\r\n"
              "QSO:  144  PH 2016-07-23 1129 HA5XX/P    JN97     XX1AAA     JN96     \r\n"
              "QSO: 50    PH 2016-07-23 1140 HA5XX/P    JN97     XX2BBB     JN96     \r\n"
              "QSO:  144  RY 2016-07-23 1150 HA5XX/P    JN97     XX3CCC     JO10     \r\n" +
                  kEnd);
}

TEST(CabrilloReport, OtherFormatsWriteNothing) {
    for (int format : {kFormatEdif, kFormatYlom, kFormatCount}) {
        EXPECT_EQ(report(format, {general("XX1AAA")}), "") << format;
    }
}

}  // namespace
}  // namespace loxar
