// The ADIF records of each log-line layout, exactly as the export writes them.
#include "session/adif_export.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "model/bands.hpp"
#include "model/file_io.hpp"
#include "support/fake_ports.hpp"
#include "support/sample_lines.hpp"
#include "support/temp_home.hpp"

namespace loxar {
namespace {

const ExportStation kOwn{"HA5KDR", "PETER", "BUDAPEST", "JN97MM"};
const Text kStation =
    "<STATION_CALLSIGN:6>HA5KDR <MY_NAME:5>PETER <MY_CITY:8>BUDAPEST <MY_GRIDSQUARE:6>JN97MM ";
const Text kWhen = "<QSO_DATE:8>20240504 <TIME_ON:6>123015 ";
const Text kSix = "      ";

struct Case {
    const char* what;
    ContestType type;
    testing::Worked q;
    std::vector<Text> record;
};

// clang-format off
const Case kCases[] = {
    {"IARU: reports and serials as numbers, no NAME when empty, square and distance",
     ContestType::Iaru,
     {.call = "HA5ABC", .rst = "59", .nr = "12", .loc = "JN97MM", .sent_rst = "59", .sent_nr = "3",
      .mode = 1, .dist = "123"},
     {kStation, kSix + kWhen + "<CALL:6>HA5ABC ",
      kSix + "<BAND:2>2m <MODE:3>SSB <RST_SENT:2>59 <STX:1>3 <RST_RCVD:2>59 <SRX:2>12 "
             "<GRIDSQUARE:6>JN97MM <DISTANCE:3>123 ",
      "<EOR>"}},
    {"EXCHANGE: a frequency is no band; exchange texts as strings; no square for AA00AA",
     ContestType::Exchange,
     {.call = "HA5ABC", .nr = "BP", .name = "JANOS", .sent_nr = "GY", .freq = "14.025"},
     {kStation, kSix + kWhen + "<CALL:6>HA5ABC <NAME:5>JANOS ",
      kSix + "<BAND:0> <MODE:2>CW <RST_SENT:3>599 <STX_STRING:2>GY <RST_RCVD:3>599 "
             "<SRX_STRING:2>BP ",
      "<EOR>"}},
    {"CQWW-VHF: no report where the line holds none, the square",
     ContestType::CqwwVhf,
     {.call = "HA5ABC", .rst = "", .loc = "JN97MM", .sent_rst = "000"},
     {kStation, kSix + kWhen + "<CALL:6>HA5ABC ",
      kSix + "<BAND:2>2m <MODE:2>CW <GRIDSQUARE:4>JN97 ", "<EOR>"}},
    {"HA-QRP: the QRP form, names and QTHs from the line",
     ContestType::HaQrp,
     {.call = "DL1ABC", .nr = "BERLIN", .name = "HANS", .band = "7 MHz"},
     {kWhen + "<BAND:3>40m <MODE:2>CW ",
      kSix + "<STATION_CALLSIGN:6>HA5KDR <RST_SENT:3>599 <MY_NAME:6>OPNAME <MY_CITY:8>BUDAPEST ",
      kSix + "<CALL:6>DL1ABC <RST_RCVD:3>599 <NAME:4>HANS <QTH:6>BERLIN ", kSix + "<EOR>"}},
    {"NMARK: the same form from the NMARK columns",
     ContestType::Nmark,
     {.call = "HA1ABC", .rst = "59", .nr = "GYOR", .sent_rst = "57"},
     {kWhen + "<BAND:2>2m <MODE:2>CW ",
      kSix + "<STATION_CALLSIGN:6>HA5KDR <RST_SENT:2>57 <MY_NAME:6>OPNAME <MY_CITY:8>BUDAPEST ",
      kSix + "<CALL:6>HA1ABC <RST_RCVD:2>59 <QTH:4>GYOR ", kSix + "<EOR>"}},
    {"SILENT KEY MEM: remembered callsigns as strings",
     ContestType::SilentKeyMem,
     {.call = "HA1ABC", .nr = "HA5ZZ", .sent_nr = "HA5XX"},
     {kWhen + "<BAND:2>2m <MODE:2>CW ",
      kSix + "<STATION_CALLSIGN:6>HA5KDR <RST_SENT:3>599 <MY_NAME:6>OPNAME <STX_STRING:5>HA5XX ",
      kSix + "<CALL:6>HA1ABC <RST_RCVD:3>599 <SRX_STRING:5>HA5ZZ ", "<EOR>"}},
    {"SWL: the first station is the CALL, the second one goes into COMMENT",
     ContestType::Swl,
     {.call = "HA1ABC", .rst = "59", .nr = "12", .sent_rst = "57", .sent_nr = "7", .mode = 1,
      .call2 = "HA2DEF"},
     {kStation, kSix + kWhen + "<CALL:6>HA1ABC <COMMENT:16>HA2DEF 057 00007 ",
      kSix + "<BAND:2>2m <MODE:3>SSB <RST_RCVD:2>59 <SRX:2>12 ", "<EOR>"}},
};
// clang-format on

TEST(AdifExport, EachLayoutWritesItsRecordForm) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const Text line = testing::line_of(c.type, c.q);
        std::vector<Text> expected = {
            "ADIF Created with Loxar by Tarvik, conforming to ADIF standard specification V 1.00", "<EOH>"};
        expected.insert(expected.end(), c.record.begin(), c.record.end());
        EXPECT_EQ(adif_export_lines({line}, c.type, kOwn), expected);
    }
}

TEST(AdifExport, EveryBandGoesOutUnderItsAdifNameAndReadsBackAsTheSameBand) {
    // The band enumeration of the ADIF standard.
    const std::set<std::string_view> adif_bands = {
        "2190m", "630m", "560m", "160m", "80m",    "60m", "40m", "30m",   "20m",  "17m",  "15m",
        "12m",   "10m",  "8m",   "6m",   "5m",     "4m",  "2m",  "1.25m", "70cm", "33cm", "23cm",
        "13cm",  "9cm",  "6cm",  "3cm",  "1.25cm", "6mm", "4mm", "2.5mm", "2mm",  "1mm",  "submm"};
    for (int i = 1; i < kBandCount; ++i) {
        const Text band = trim(band_name(i));
        SCOPED_TRACE(band);
        const Text line = testing::line_of(ContestType::Iaru, {.band = band});
        const Text record = adif_export_lines({line}, ContestType::Iaru, kOwn).at(4);
        const std::size_t at = record.find("<BAND:");
        ASSERT_NE(at, Text::npos);
        const std::size_t value = record.find('>', at) + 1;
        const Text adif = record.substr(value, record.find(' ', value) - value);
        EXPECT_TRUE(adif_bands.contains(adif)) << adif;
        EXPECT_EQ(band_index_for_adif(adif), i);
    }
}

TEST(AdifExport, EveryLineEndsInCrLfAndAValueKeepsToItsLine) {
    // cp1250: one byte per accented letter, and the length counts what is written.
    const ExportStation own{"HA5KDR", hu(u8"Péter"), "BUDA\r\nPEST", "JN97MM"};
    const std::vector<Text> log = {testing::general("HA1ABC", 1), testing::general("HA2DEF", 2)};
    const Text text = adif_export_text(log, ContestType::Iaru, own);
    const std::vector<Text> lines = adif_export_lines(log, ContestType::Iaru, own);
    Text joined;
    for (const Text& l : lines) {
        EXPECT_EQ(l.find_first_of("\r\n"), Text::npos) << l;
        joined += l + "\r\n";
    }
    EXPECT_EQ(text, joined);
    EXPECT_EQ(lines.size(), 2u + 2 * 4);
    EXPECT_NE(lines[2].find(hu(u8"<MY_NAME:5>Péter <MY_CITY:10>BUDA  PEST ")), Text::npos) << lines[2];
}

TEST(AdifExport, TheSaveSaysWhenThereIsNothingToSaveOrTheFileCannotBeWritten) {
    Session s;
    testing::FakeUi ui;
    s.ports.ui = &ui;
    testing::TempHome home;
    s.paths.import_export_dir = home.path() / "IMPORT_EXPORT";
    export_rutin(s);
    EXPECT_EQ(s.panel_mode, PanelTask::Export);
    EXPECT_TRUE(s.vegyes.vegyes_lista[0].empty());
    export_mentes_Click(s);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Nincs mit menteni!");

    s.log_lista.add(testing::general("HA1ABC", 1));
    export_rutin(s);
    const Text missing_folder = text_path(s.paths.import_export_dir / "nincs" / "naplo.adi");
    ui.chooser_results.push_back(missing_folder);
    export_mentes_Click(s);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1], hu(u8"Nem sikerült menteni: ") + missing_folder);
    EXPECT_EQ(s.dialog.chooser_mode, ChooserMode::Save);
    EXPECT_EQ(s.dialog.chooser_extension, "adi");
}

}  // namespace
}  // namespace loxar
