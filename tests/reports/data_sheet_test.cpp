// The station data sheet: input filters, clearing, the ".hdr" round trip, malformed files and
// the refresh from the log after loading.
#include "session/data_sheet.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/file_io.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;

const Text kLine1 = testing::general("XX1AAA");

// A started session whose chooser answers from fakes.ui.chooser_results.
struct Sheet : testing::Started {
    fs::path hdr(const char* name) const { return s.paths.data_dir / name; }
    Text hdr_text(const char* name) const { return text_path(hdr(name)); }
    void save(const char* name) {
        fakes.ui.chooser_results.push_back(hdr_text(name));
        data_save_cmd_Click(s);
    }
    void load(const char* name) {
        fakes.ui.chooser_results.push_back(hdr_text(name));
        data_load_cmd_Click(s);
    }
    void write(const char* name, const Text& bytes) { std::ofstream(hdr(name), std::ios::binary) << bytes; }
};

// Every text field gets a value of its own; the lists a selection of their own.
void fill_sheet(DataSheet& d) {
    int n = 0;
    for (const SheetField& f : sheet_fields()) d.*f.member = "v" + std::to_string(n++) + " ";
    d.tx_TDate_1 = "2004-05-01";
    d.tx_TDate_2 = "2004-05-02";
    int k = 1;
    for (const CategoryList& list : category_lists()) (d.*list.member).set(k++ % list.items.size());
}

TEST(SheetFilter, TypedCharactersByField) {
    const struct {
        const char* control;
        std::u8string_view typed, expected;
    } cases[] = {
        {"tx_PCall", u8"ő", u8"O"}, {"tx_TName", u8"ä", u8"Ä"},
        {"tx_TName", u8"é", u8"E"}, {"tx_RName", u8"ő", u8"o"},
        {"tx_RName", u8"ä", u8"ä"}, {"tx_RAdr2", u8"ő", u8"ő"},
        {"tx_RAdr1", u8"á", u8"A"}, {"kapott_hivojel_text", u8"a", u8"a"},
    };
    for (const auto& c : cases) {
        const Text typed = hu(c.typed);
        ASSERT_EQ(typed.size(), 1u);
        EXPECT_EQ(Text(1, adatlap_key_filter(c.control, typed[0])), hu(c.expected))
            << c.control << " " << cp1250_to_utf8(typed);
    }
}

TEST(SheetClear, EmptiesFieldsAndResultsKeepsStationListAndRemark) {
    Sheet t;
    fill_sheet(t.s.sheet);
    t.s.sheet.megjegyzes_text = "remark";
    t.s.sheet.tx_CDXCs = "12";
    t.s.sheet.tx_Remark = "edi remark";
    data_erase_cmd_Click(t.s);
    const DataSheet& d = t.s.sheet;
    EXPECT_EQ(d.tx_TName, "");
    EXPECT_EQ(d.tx_SAntH_see, "");
    EXPECT_EQ(d.tx_TDate_1, kEmptyDate);
    EXPECT_EQ(d.tx_TDate_2, kEmptyDate);
    EXPECT_EQ(d.tx_CDXCs, "");
    EXPECT_EQ(d.tx_Remark, "");
    EXPECT_EQ(d.megjegyzes_text, "remark");
    EXPECT_EQ(d.hadx_station_combo.list_index, 6);
    for (const CategoryList& list : category_lists()) {
        if (list.member != &DataSheet::hadx_station_combo) {
            EXPECT_EQ((d.*list.member).list_index, 0) << list.control;
        }
    }
    EXPECT_TRUE(t.fakes.ui.messages.empty());
}

TEST(SheetFile, SavedLayoutAndRoundTrip) {
    Sheet t;
    fill_sheet(t.s.sheet);
    t.s.sheet.hadx_mod_combo.set(-1);
    const DataSheet saved = t.s.sheet;
    t.save("hg.hdr");
    EXPECT_EQ(t.fakes.ui.messages, std::vector<Text>{hu(u8"Elmentve!")});
    EXPECT_EQ(t.fakes.ui.beeps, 1);
    EXPECT_EQ(t.s.dialog.chooser_mode, ChooserMode::Save);
    EXPECT_EQ(t.s.dialog.chooser_extension, "hdr");
    EXPECT_EQ(t.s.dialog.chooser_directory, text_path(t.s.paths.data_dir));

    const auto bytes = read_file(t.hdr("hg.hdr"));
    ASSERT_TRUE(bytes.has_value());
    const std::vector<Text> lines = split_lines(*bytes);
    ASSERT_EQ(lines.size(), 1u + 28u + 11u);
    EXPECT_EQ(lines[0], "Header records:");
    EXPECT_EQ(lines[1], "v0 ");  // TName, not trimmed
    EXPECT_EQ(lines[2], "2004-05-01");
    EXPECT_EQ(lines[3], "2004-05-02");
    EXPECT_EQ(lines[28], "v27 ");  // antenna height above sea level
    EXPECT_EQ(lines[29], "1");     // hadx_operator_combo
    EXPECT_EQ(lines[32], "-1");    // hadx_mod_combo without a selection
    EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");

    data_erase_cmd_Click(t.s);
    t.s.log_lista.add("2004-05-01" + kLine1.substr(10));  // first log date = start date: no refresh
    t.s.log_lista.add("2004-05-01" + kLine1.substr(10));
    t.load("hg.hdr");
    for (const SheetField& f : sheet_fields()) EXPECT_EQ(t.s.sheet.*f.member, saved.*f.member) << f.control;
    for (const CategoryList& list : category_lists()) {
        EXPECT_EQ((t.s.sheet.*list.member).list_index, (saved.*list.member).list_index) << list.control;
    }
}

TEST(SheetFile, EmptyDatesAndUnchosenListsRoundTrip) {
    Sheet t;
    t.s.log_lista.add(kLine1);
    t.s.sheet.tx_TDate_2 = "";                     // never cleared: still written as the empty mask
    t.s.sheet.tx_PAdr1 = "Fo utca 1\r\nBudapest";  // a line break cannot break the layout
    t.save("empty.hdr");
    const std::vector<Text> lines = split_lines(*read_file(t.hdr("empty.hdr")));
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines[7], "Fo utca 1  Budapest");
    EXPECT_EQ(lines[2], kEmptyDate);
    EXPECT_EQ(lines[3], kEmptyDate);
    for (std::size_t i = 29; i < 40; ++i) EXPECT_EQ(lines[i], "0") << i;

    t.s.log_lista.clear();
    t.s.log_lista.add("____-__-__" + kLine1.substr(10));  // first date equal: no refresh
    t.s.log_lista.add("2001-01-01" + kLine1.substr(10));
    t.load("empty.hdr");
    EXPECT_EQ(t.s.sheet.tx_TDate_1, kEmptyDate);
    EXPECT_EQ(t.s.sheet.tx_TDate_2, kEmptyDate);
}

TEST(SheetFile, CancelledChooserDoesNothing) {
    Sheet t;
    fill_sheet(t.s.sheet);
    const DataSheet before = t.s.sheet;
    data_save_cmd_Click(t.s);
    data_load_cmd_Click(t.s);
    EXPECT_EQ(t.s.dialog.chooser_mode, ChooserMode::Open);
    EXPECT_TRUE(t.fakes.ui.messages.empty());
    EXPECT_EQ(t.fakes.ui.beeps, 0);
    EXPECT_EQ(t.s.sheet.tx_PClub, before.tx_PClub);
    EXPECT_TRUE(fs::is_empty(t.s.paths.data_dir));
}

TEST(SheetFile, MalformedFilesAreRefusedAndLeaveTheSheet) {
    const struct {
        const char* what;
        Text bytes;
    } cases[] = {
        {"wrong first line", "Header record\r\nX\r\n"},
        {"header with a blank", "Header records: \r\nX\r\n"},
        {"empty file", ""},
        {"binary", Text("\0\xff\xfe\x01Header records:", 20)},
        {"huge", "Header records:\r\n" + Text(2 * 1024 * 1024, 'A')},
    };
    for (const auto& c : cases) {
        Sheet t;
        fill_sheet(t.s.sheet);
        const DataSheet before = t.s.sheet;
        t.write("bad.hdr", c.bytes);
        t.load("bad.hdr");
        EXPECT_EQ(t.fakes.ui.messages, std::vector<Text>{hu(u8"Hibás a formátum!")}) << c.what;
        EXPECT_EQ(t.fakes.ui.beeps, 1) << c.what;
        EXPECT_EQ(t.s.sheet.tx_TName, before.tx_TName) << c.what;
        EXPECT_EQ(t.s.sheet.cqww_band_combo.list_index, before.cqww_band_combo.list_index) << c.what;
    }
}

TEST(SheetFile, ShortAndOddFilesReadWhatTheyHold) {
    Text fields;
    for (int i = 0; i < 28; ++i) fields += "f" + std::to_string(i) + "\r\n";
    const struct {
        const char* what;
        Text bytes;
        Text sapwe;          // tx_SPowe (line 24)
        Text rcall;          // tx_RCall (line 13)
        int operator_index;  // hadx_operator_combo afterwards
        int band_index;      // hadx_band_combo afterwards
    } cases[] = {
        {"ends after the antenna heights", "Header records:\r\n" + fields, "f23", "f12", 0, 0},
        {"ends after the call", "Header records:\r\nT\r\n\r\n\r\nHG1X\r\n", "", "", 0, 0},
        {"LF only, odd indexes", "Header records:\n" + fields + "abc\n-1\n", "f23", "f12", 0, -1},
        {"index beyond the list stays", "Header records:\r\n" + fields + "99\r\n3\r\n", "f23", "f12", 2, 3},
        {"index beyond 16 bits stays", "Header records:\r\n" + fields + "99999999\r\n2.5\r\n", "f23", "f12",
         2, 2},
    };
    for (const auto& c : cases) {
        Sheet t;
        t.s.sheet.hadx_operator_combo.set(2);
        t.s.sheet.tx_TName = "old";
        t.write("short.hdr", c.bytes);
        t.load("short.hdr");
        EXPECT_TRUE(t.fakes.ui.messages.empty()) << c.what;
        EXPECT_EQ(t.s.sheet.tx_SPowe, c.sapwe) << c.what;
        EXPECT_EQ(t.s.sheet.tx_RCall, c.rcall) << c.what;
        EXPECT_EQ(t.s.sheet.hadx_operator_combo.list_index, c.operator_index) << c.what;
        EXPECT_EQ(t.s.sheet.hadx_band_combo.list_index, c.band_index) << c.what;
        EXPECT_EQ(t.s.sheet.rhob_kategoria_combo.list_index, 0) << c.what;
    }
}

TEST(SheetRefresh, DateComparison) {
    const struct {
        const char *first, *last, *start, *end;
        bool refresh;
    } cases[] = {
        {"2004-05-01", "2004-05-02", "2004-05-01", "2004-05-03", false},
        {"2004-05-01", "2004-05-02", "2004-05-01", "2004-05-02", true},  // last equals the end
        {"2004-05-01", "2004-05-02", "2004-04-30", "2004-05-03", true},  // first differs
        {"", "", "____-__-__", "____-__-__", true},                      // empty log
        {"", "", "", "x", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sheet_needs_refresh(c.first, c.last, c.start, c.end), c.refresh)
            << c.first << " " << c.last << " " << c.start << " " << c.end;
    }
}

TEST(SheetRefresh, LoadingASheetOfAnotherLogTakesTheLogsDates) {
    Sheet t;
    t.s.station.hivojel_text = "HA5XX";
    t.s.station.QRA_text = "JN97AA";
    t.s.station.exch_text = "BP";
    fill_sheet(t.s.sheet);
    t.save("other.hdr");
    t.s.log_lista.add(kLine1);
    t.s.log_lista.add("2016-07-24" + kLine1.substr(10));
    t.load("other.hdr");
    EXPECT_EQ(t.s.sheet.tx_TDate_1, "2016-07-23");
    EXPECT_EQ(t.s.sheet.tx_TDate_2, "2016-07-24");
    EXPECT_EQ(t.s.sheet.tx_PCall, "HA5XX");
    EXPECT_EQ(t.s.sheet.tx_PWWLo, "JN97AA");
    EXPECT_EQ(t.s.sheet.tx_PExch, "BP");
    EXPECT_EQ(t.s.sheet.tx_PBand, "145 MHz");
    EXPECT_EQ(t.s.sheet.tx_TName, "v0 ");  // the rest comes from the file
}

}  // namespace
}  // namespace loxar
