// The own-data file: what is written at exit, what start reads back, malformed files, and the
// own-data check with its message.
#include "session/own_data.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/file_io.hpp"
#include "session/lifecycle.hpp"
#include "session/startup.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;

Text header() {
    return hu(u8"Saját adatok, Ne nyúlj hozzá!!!!!!!!!!");
}

// The 16 lines of a valid file; `change` replaces line n (1-based) before joining.
Text own_file(std::vector<std::pair<int, Text>> change = {}, int keep_lines = 16) {
    std::vector<Text> lines = {header(),   "HA5XX", "JN97AA", "Ede", "2", "5", "BP", "0",
                               "Budapest", "3",     "7",      "4",   "1", "5", "7",  "End"};
    for (const auto& [n, text] : change) lines[static_cast<std::size_t>(n - 1)] = text;
    Text out;
    for (int i = 0; i < keep_lines; ++i) out += lines[static_cast<std::size_t>(i)] + "\r\n";
    return out;
}

// Started over the own-data file `own`, or without one.
struct Home : testing::Home {
    explicit Home(const std::optional<Text>& own = std::nullopt) {
        if (own) write(*own);
        start();
    }
    fs::path file() const { return system_file(kOwnDataFile); }
    void write(const Text& bytes) const {
        fs::create_directories(home.path() / "SYSTEM");
        std::ofstream(file(), std::ios::binary) << bytes;
    }
};

TEST(OwnData, StartReadsTheFileAndExitWritesItBack) {
    const Home first(own_file());
    const Session& s = first.s;
    EXPECT_TRUE(first.fakes.ui.messages.empty());
    EXPECT_EQ(s.station.hivojel_text, "HA5XX");
    EXPECT_EQ(s.station.QRA_text, "JN97AA");
    EXPECT_EQ(s.qso.kezelo_text, "Ede");
    EXPECT_EQ(s.qso.sex_combo.list_index, 2);
    EXPECT_EQ(s.current_band_index, 5);
    EXPECT_EQ(s.qso.band_text, "7 MHz  ");
    EXPECT_EQ(s.station.exch_text, "BP");
    EXPECT_FALSE(s.real_time_check);
    EXPECT_EQ(s.qso.qth_text, "Budapest");
    EXPECT_EQ(s.ido_eltolas_combo.list_index, 3);
    EXPECT_EQ(s.contest(), ContestType::HaQrp);  // the contest type arrives with its rules
    EXPECT_EQ(s.rules.rule_file_name, "HAQRP.rule");
    EXPECT_EQ(s.keyer.settings.ROGER_combo.text(), "R");
    EXPECT_EQ(s.keyer.settings.erosito_combo[0].list_index, 1);
    EXPECT_EQ(s.keyer.settings.erosito_combo[1].list_index, 5);
    EXPECT_EQ(s.keyer.settings.erosito_combo[2].list_index, 7);

    // Written back as read, with the callsign and operator name trimmed.
    Home second(own_file());
    second.s.station.hivojel_text = " HA5XX ";
    second.s.qso.kezelo_text = "Ede ";
    ASSERT_TRUE(save_on_exit(second.s));
    EXPECT_EQ(read_file(second.file()), own_file());
}

TEST(OwnData, SaveLeavesNoBytesOfALongerOldFile) {
    Home h(own_file({{2, "HA5XXXXXXXXXXXX"}}) + Text(5000, 'x') + "\r\nEnd\r\n");
    h.s.station.hivojel_text = "HG1A";
    sajat_adat_mentes(h.s);
    const auto bytes = read_file(h.file());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, own_data_text(own_data_of(h.s)));
    EXPECT_EQ(bytes->substr(bytes->size() - 5), "End\r\n");
    for (const auto& entry : fs::directory_iterator(h.home.path() / "SYSTEM")) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
    }
}

TEST(OwnData, NumbersAreMaskedOnReading) {
    const struct {
        int line;
        Text value;
        int OwnData::*field;
        int expected;
    } cases[] = {
        {11, "16", &OwnData::contest_type, 0},  // the 17th contest type reads back as the first
        {11, "23", &OwnData::contest_type, 7}, {10, "4", &OwnData::time_offset, 4},
        {10, "-1", &OwnData::time_offset, 3},  {8, "-1", &OwnData::real_time, 1},
        {8, "2", &OwnData::real_time, 0},      {12, "13", &OwnData::roger, 5},
        {4 + 1, " 1 ", &OwnData::sex, 1},      {6, "28", &OwnData::band, 28},
    };
    for (const auto& c : cases) {
        const OwnDataRead r = parse_own_data(own_file({{c.line, c.value}}), OwnData{});
        EXPECT_TRUE(r.ok) << c.line << " " << c.value;
        EXPECT_EQ(r.data.*c.field, c.expected) << c.line << " " << c.value;
    }
    EXPECT_EQ(parse_own_data(own_file({{14, "15"}}), OwnData{}).data.gains[1], 7);
}

TEST(OwnData, MalformedFilesAreReportedFieldsReadSoFarKept) {
    const struct {
        const char* what;
        Text bytes;
        Text callsign;  // own callsign afterwards
        int band;       // current_band_index afterwards
    } cases[] = {
        {"wrong header", own_file({{1, "Sajat adatok"}}), "", 14},
        {"empty file", "", "", 14},
        {"no End", own_file({{16, "Ende"}}), "HA5XX", 5},
        {"cut after the name", own_file({}, 4), "HA5XX", 14},
        {"sex not a number", own_file({{5, "x"}}), "HA5XX", 14},
        {"sex beyond its list", own_file({{5, "3"}}), "HA5XX", 14},
        {"band beyond the bands", own_file({{6, "29"}}), "HA5XX", 14},
        {"negative band", own_file({{6, "-1"}}), "HA5XX", 14},
        {"band beyond 16 bits", own_file({{6, "70000"}}), "HA5XX", 14},
        {"roger beep beyond its list", own_file({{12, "6"}}), "HA5XX", 5},
        {"huge", header() + "\r\n" + Text(100000, 'H') + "\r\n", "", 14},
        {"binary", Text("\0\x01\xff", 3), "", 14},
    };
    for (const auto& c : cases) {
        Home h;
        h.write(c.bytes);
        h.fakes.ui.messages.clear();
        h.fakes.ui.beeps = 0;
        sajat_adat_beolvasas(h.s);
        EXPECT_EQ(h.fakes.ui.messages, std::vector<Text>{hu(u8"Hiba a saját adat beolvasásban!")}) << c.what;
        EXPECT_EQ(h.fakes.ui.beeps, 1) << c.what;
        EXPECT_EQ(h.s.station.hivojel_text, c.callsign) << c.what;
        EXPECT_EQ(h.s.current_band_index, c.band) << c.what;
    }
}

TEST(OwnData, AcceptedVariants) {
    const struct {
        const char* what;
        Text bytes;
    } cases[] = {
        {"old bytes after End", own_file() + "HA9OLD\r\n12\r\nEnd\r\n"},
        {"LF line ends", header() + "\nHA5XX\nJN97AA\nEde\n2\n5\nBP\n0\nBudapest\n3\n7\n4\n1\n5\n7\nEnd"},
        {"written in UTF-8", cp1250_to_utf8(own_file())},
    };
    for (const auto& c : cases) {
        Home h(c.bytes);
        EXPECT_TRUE(h.fakes.ui.messages.empty()) << c.what;
        EXPECT_EQ(h.s.qso.qth_text, "Budapest") << c.what;
        EXPECT_EQ(h.s.keyer.settings.erosito_combo[2].list_index, 7) << c.what;
    }
}

TEST(OwnData, MissingFileChangesNothing) {
    Home h;
    EXPECT_TRUE(h.fakes.ui.messages.empty());
    EXPECT_EQ(h.s.station.hivojel_text, "");
    EXPECT_EQ(h.s.current_band_index, 14);
    EXPECT_FALSE(fs::exists(h.file()));
}

TEST(OwnDataCheck, BitsAndMessageLines) {
    const struct {
        const char* what;
        Text call, locator, name;
        int sex, band;
        short mask;
        std::u8string_view message;
    } cases[] = {
        {"all well", "HA5XX", "JN97AA", "Ede", 2, 14, 0, u8""},
        {"blank call", "  ", "JN97AA", "Ede", 2, 14, 1, u8"Hívójel hiba\r\n"},
        {"four-character locator", "HA5XX", " JN97 ", "Ede", 2, 14, 2, u8"QRA hiba\r\n"},
        {"no name", "HA5XX", "JN97AA", "", 1, 14, 4, u8"Kezelő név\r\n"},
        {"dotted sex", "HA5XX", "JN97AA", "Ede", 0, 14, 8, u8"Sex hiba\r\n"},
        {"no sex selected", "HA5XX", "JN97AA", "Ede", -1, 14, 8, u8"Sex hiba\r\n"},
        {"band 0", "HA5XX", "JN97AA", "Ede", 2, 0, 16, u8"Frekvencia sáv hiba\r\n"},
        {"everything", "", "", "", 0, 0, 31,
         u8"Hívójel hiba\r\nQRA hiba\r\nKezelő név\r\nSex hiba\r\nFrekvencia sáv hiba\r\n"},
    };
    for (const auto& c : cases) {
        testing::FakePorts fakes;
        Session s;
        s.ports = fakes.ports();
        form_inic(s);
        s.station.hivojel_text = c.call;
        s.station.QRA_text = c.locator;
        s.qso.kezelo_text = c.name;
        s.qso.sex_combo.list_index = c.sex;
        s.current_band_index = static_cast<short>(c.band);
        EXPECT_EQ(sajat_adat_vizsgalat(s), c.mask) << c.what;
        if (c.mask == 0) {
            EXPECT_TRUE(fakes.ui.messages.empty()) << c.what;
            EXPECT_EQ(fakes.ui.beeps, 0) << c.what;
        } else {
            EXPECT_EQ(fakes.ui.messages, std::vector<Text>{hu(c.message)}) << c.what;
            EXPECT_EQ(fakes.ui.beeps, 1) << c.what;
        }
    }
}

}  // namespace
}  // namespace loxar
