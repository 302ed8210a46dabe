// The YL-OM ADIF report, the ADIF field, the YL-OM result list and its statistics line.
#include "reports/adif_report.hpp"

#include <gtest/gtest.h>

#include "support/sample_lines.hpp"

namespace loxar {
namespace {

using testing::Worked;

Text ylom(const Worked& q) {
    return testing::line_of(ContestType::YlOm, q);
}

Combo own_sex(int index) {
    return {{".....", hu(u8"Nő"), hu(u8"Férfi")}, index};
}

struct Source {
    DataSheet sheet;
    std::vector<Text> log, list;
    Text total = "11";
    int sex = 2;
    ReportSource src() const {
        return {sheet, log, list, "HA5XYZ", "JN97KK", "Janos", own_sex(sex), "SSB", total};
    }
};

// FN on 2 m, FF on 80 m (empty name, 6-character call), NF on 70 cm.
// clang-format off
Text fn_qso() {
    return ylom({.time = "2024-03-02/08:15:30", .call = "HA7YL", .rst = "59", .nr = "25", .sex = 1,
                 .name = "Kati", .sent_rst = "59", .sent_nr = "12", .mode = 1, .own_sex = 2, .pts = "5",
                 .num = "00001", .band = "145 MHz"});
}
Text ff_qso() {
    return ylom({.time = "2024-03-02/09:01:02", .call = "HA3ABC", .rst = "57", .nr = "8", .sex = 2,
                 .sent_rst = "58", .sent_nr = "13", .mode = 2, .own_sex = 2, .pts = "1", .num = "00002",
                 .band = "3,5 MHz"});
}
Text nf_qso() {
    return ylom({.time = "2024-03-02/10:20:00", .call = "HA5ZZ", .rst = "59", .nr = "3", .sex = 2,
                 .name = "Peter", .sent_rst = "59", .sent_nr = "14", .mode = 3, .own_sex = 1, .pts = "5",
                 .num = "00003", .band = "435 MHz"});
}
// clang-format on

TEST(YlomReport, WholeReport) {
    Source s;
    s.log = {fn_qso(), ff_qso(), nf_qso()};
    const YlomReport r = ylom_report(s.src());
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.text,
              "ADIF Created with Loxar by Tarvik, conforming to ADIF standard specification V 1.00\r\n"
              "YL-OM 2024\r\n"
              "Operator: HA5XYZ Janos OM  73's\r\n"
              "Claimed total score(s): 11\r\n"
              "<EOH>\r\n"
              "<STATION_CALLSIGN:6>HA5XYZ  <MY_NAME:5>Janos  <MY_SEX:1>F \r\n"
              "    <CALL:5>HA7YL  <NAME:4>Kati  <SEX:1>N \r\n"
              "    <QSO_DATE:8>20240302  <TIME_ON:6>081530  <BAND:2>2m  <MODE:3>SSB  <FREQ:6>145000 \r\n"
              "    <RST_SENT:2>59  <STX:2>12  <RST_RCVD:2>59 <SRX:2>25 <DISTANCE:1>5 \r\n"
              "<EOR>\r\n"
              "<STATION_CALLSIGN:6>HA5XYZ  <MY_NAME:5>Janos  <MY_SEX:1>F \r\n"
              "    <CALL:6>HA3ABC  <NAME:0>  <SEX:1>F \r\n"
              "    <QSO_DATE:8>20240302  <TIME_ON:6>090102  <BAND:3>80m  <MODE:2>CW  <FREQ:4>3500 \r\n"
              "    <RST_SENT:2>58  <STX:2>13  <RST_RCVD:2>57 <SRX:2>08 <DISTANCE:1>1 \r\n"
              "<EOR>\r\n"
              "<STATION_CALLSIGN:6>HA5XYZ  <MY_NAME:5>Janos  <MY_SEX:1>F \r\n"
              "    <CALL:5>HA5ZZ  <NAME:5>Peter  <SEX:1>F \r\n"
              "    <QSO_DATE:8>20240302  <TIME_ON:6>102000  <BAND:4>70cm  <MODE:2>FM  <FREQ:6>435000 \r\n"
              "    <RST_SENT:2>59  <STX:2>14  <RST_RCVD:2>59 <SRX:2>03 <DISTANCE:1>5 \r\n"
              "<EOR>\r\n");
}

TEST(YlomReport, UndefinedSexStopsAtThatQso) {
    Source s;
    s.log = {fn_qso(), ylom({.call = "HA8NOSEX", .sex = 0, .own_sex = 2}), nf_qso()};
    const YlomReport r = ylom_report(s.src());
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(r.message, hu(u8"HA8NOSEX-nél nincs a Sex definialva! Javítsa majd nyomja meg az "
                            u8"<Újraszámolás> gombot!"));
    EXPECT_EQ(r.header_lines[1], "YL-OM 2024");
}

TEST(YlomReport, HeaderLines) {
    const struct {
        int own_sex;
        const char* total;
        const char* line3;
        const char* line4;
    } cases[] = {
        {1, "7.0", "Operator: HA5XYZ Janos YL  73's", "Claimed total score(s): 7"},
        // Without a number in the total field the score is counted from the log: 5 + 1 + 5.
        {0, "", "Operator: HA5XYZ Janos ", "Claimed total score(s): 11"},
        {0, "abc", "Operator: HA5XYZ Janos ", "Claimed total score(s): 11"},
    };
    for (const auto& c : cases) {
        Source s;
        s.log = {fn_qso(), ff_qso(), nf_qso()};
        s.total = c.total;
        s.sex = c.own_sex;
        const YlomReport r = ylom_report(s.src());
        EXPECT_EQ(r.header_lines[0], kAdifCreatedLine);
        EXPECT_EQ(r.header_lines[1], "YL-OM 2024");
        EXPECT_EQ(r.header_lines[2], c.line3);
        EXPECT_EQ(r.header_lines[3], c.line4) << c.total;
    }
}

TEST(YlomReport, QsoFields) {
    const struct {
        Worked q;
        const char* fields;
    } cases[] = {
        // A non-zero frequency entry is written instead of the band; 2 m, 80 m and 70 cm are above.
        {{.sex = 1, .band = "135 kHz", .freq = "00.000"}, "<BAND:5>2190m  <MODE:2>CW  <FREQ:3>135 \r\n"},
        {{.sex = 1, .band = "145 MHz", .freq = "14.074"}, "<BAND:3>20m  <MODE:2>CW  <FREQ:5>14074 \r\n"},
        {{.sex = 1, .band = "XYZ    ", .freq = "00.000"}, "<BAND:0>  <MODE:2>CW  <FREQ:0> \r\n"},
        // A CW QSO with 599 both ways: the whole report goes out, not its last two digits.
        {{.nr = "25", .sex = 1, .sent_nr = "7"},
         "    <RST_SENT:3>599  <STX:2>07  <RST_RCVD:3>599 <SRX:2>25 <DISTANCE:1>0 \r\n"},
    };
    for (const auto& c : cases) {
        Source s;
        s.log = {ylom(c.q)};
        const Text text = ylom_report(s.src()).text;
        EXPECT_NE(text.find(c.fields), Text::npos) << c.fields << "\n" << text;
    }
}

TEST(AdifField, LengthCountsCp1250Bytes) {
    EXPECT_EQ(adif_mezo_kepzes("NAME", hu(u8"Éva")), "<NAME:3>" + hu(u8"Éva") + " ");
}

TEST(YlList, LinesAndStatistics) {
    const std::vector<Text> list = {yl_list_line(fn_qso()), yl_list_line(ff_qso()), yl_list_line(nf_qso())};
    EXPECT_EQ(
        list[0],
        "20240302;081530;HA7YL               ;Kati          ;059;0025;N;;059;0012;F;;145 MHz;SSB;00005;");
    EXPECT_EQ(
        list[1],
        "20240302;090102;HA3ABC              ;              ;057;0008;F;;058;0013;F;;3,5 MHz;CW ;00001;");
    EXPECT_EQ(
        list[2],
        "20240302;102000;HA5ZZ               ;Peter         ;059;0003;F;;059;0014;N;;435 MHz;FM ;00005;");
    EXPECT_EQ(yl_statistics_text(list), hu(u8"3 QSO(s)  NN:0   NF:1   FN:1   FF:1   Összesen:11 pont"));

    // A pair with an undefined side counts as a QSO but scores nothing.
    const std::vector<Text> mixed = {list[1], list[1], list[2], yl_list_line(ylom({.own_sex = 2}))};
    EXPECT_EQ(yl_statistics_text(mixed), hu(u8"4 QSO(s)  NN:0   NF:1   FN:0   FF:2   Összesen:7 pont"));
    EXPECT_EQ(yl_statistics_text({}), hu(u8"0 QSO(s)  NN:0   NF:0   FN:0   FF:0   Összesen:0 pont"));
}

}  // namespace
}  // namespace loxar
