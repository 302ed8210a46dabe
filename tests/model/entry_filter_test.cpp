// What typing and pasting may put into the entry fields, and lines that stay lines whatever they hold.
#include "model/entry_filter.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "reports/data_sheet.hpp"
#include "session/log_file.hpp"
#include "session/qso_entry.hpp"
#include "support/sample_lines.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

FieldKind kind_of(const char* control) {
    const SheetField* f = find_sheet_field(control);
    return f ? f->kind : entry_field_kind(find_control(control).value());
}

TEST(EntryFilter, PastedTextKeepsWhatTheFieldCanHold) {
    const Text junk = Text("\r\n\0\x1b\t", 5);
    const struct {
        const char* control;
        Text pasted, kept;
    } cases[] = {
        // Callsigns: letters, digits and "/" only, upper case.
        {"kapott_hivojel_text", "ha5tst/p" + junk + hu(u8" ;,-á"), "HA5TST/P"},
        {"tx_PCall", hu(u8"ha5tst/ő"), "HA5TST/O"},
        // Locators: letters and digits.
        {"QRA_text", "jn97ma;" + junk, "JN97MA"},
        {"tx_PWWLo", "jn97-ma", "JN97MA"},
        // QSO values go into EDI records: no ";".
        {"kapott_sorszam_text", hu(u8"12;kő") + junk, "12KO"},
        {"kapott_riport_text", "5nn;", "5NN"},
        // Own data and the contest name go into the log-file header: no "," either.
        {"kezelo_text", hu(u8"péter, jr;") + junk, "PETER JR"},
        // Names: no "=" (the log line's separator), no emoji (left as "?" by the conversion).
        {"kapott_nev_text", utf8_to_cp1250("jo=e\xF0\x9F\x98\x80x"), "JOEX"},
        {"kezelo_text", "p=eter?", "PETER"},
        {"qth_text", "Budapest, XI" + junk, "Budapest XI"},
        // Report header lines: one line each, the case rule of the field.
        {"tx_RName", hu(u8"Kovács; Ő") + junk, "Kovacs; O"},
        {"tx_PAdr1", "Fo u. 1;" + junk, "Fo u. 1;"},
        {"tx_SAntH_see", "10;20", "1020"},
    };
    for (const auto& c : cases) {
        const FilteredText f = filter_text(kind_of(c.control), c.pasted);
        EXPECT_EQ(f.text, c.kept) << c.control;
        EXPECT_EQ(f.refused, f.text.size() != c.pasted.size()) << c.control;
    }
}

TEST(EntryFilter, TextIsCutToWhatTheLineHoldsAndTheCutIsTold) {
    const Text forty(40, 'A');
    const FilteredText general =
        filter_text(kind_of("kapott_hivojel_text"), forty,
                    entry_max_length(LineLayout::General, Control::kapott_hivojel_text));
    EXPECT_EQ(general.text, Text(20, 'A'));
    EXPECT_TRUE(general.refused);
    // The QRP line has a narrower callsign column; a field no column limits is not cut.
    EXPECT_EQ(entry_max_length(LineLayout::Qrp, Control::kapott_hivojel_text), 16u);
    EXPECT_EQ(entry_max_length(LineLayout::General, Control::verseny_neve_text), 0u);
    EXPECT_FALSE(filter_text(kind_of("qth_text"), forty, 0).refused);
}

TEST(EntryFilter, PastedTextIsCleanedBeforeItIsCutAndAFullFieldTakesNoMore) {
    const FieldKind locator = kind_of("kapott_QRA_text");
    const struct {
        const char* before;
        const char* after_edit;
        const char* kept;
    } cases[] = {
        {"", "jo61=a;a", "JO61AA"},       {"", "JN97;AA", "JN97AA"},
        {"", "jn97aabb", "JN97AA"},        // longer once clean: cut at the width
        {"JN97AA", "JN97XAA", "JN97AA"},   // typed into a full field: refused, the field as it was
        {"JN97AA", "KO01BBCC", "KO01BB"},  // the whole field replaced by a long paste: cut
    };
    for (const auto& c : cases) {
        const FilteredText f = edit_text(locator, c.before, c.after_edit, 6);
        EXPECT_EQ(f.text, c.kept) << c.after_edit;
        EXPECT_TRUE(f.refused) << c.after_edit;
    }
}

TEST(EntryFilter, RefusedKeysBeepAndNeverReachTheField) {
    testing::Started st(ContestType::Iaru);
    const std::pair<const char*, char> refused[] = {
        {"kapott_hivojel_text", ';'}, {"kapott_hivojel_text", '\x1b'}, {"kapott_hivojel_text", '\0'},
        {"kapott_hivojel_text", '-'}, {"kapott_nev_text", '='},        {"kezelo_text", '?'},
    };
    for (const auto& [control, c] : refused) {
        char key = c;
        EXPECT_TRUE(entry_key_press(st.s, find_control(control).value(), key)) << control << " " << int(c);
    }
    EXPECT_EQ(st.fakes.ui.beeps, 6);
    char lower = 'h';
    EXPECT_FALSE(entry_key_press(st.s, Control::hivojel_text, lower));
    EXPECT_EQ(lower, 'H');
}

TEST(EntryFilter, ALineAndTheLogHeaderStayOneLineWhateverTheSessionHolds) {
    const Text junk = Text("A\r\nB\0C", 6);
    const char kBreaks[] = {'\r', '\n', '\0'};
    const std::string_view breaks(kBreaks, 3);
    for (ContestType type : {ContestType::Iaru, ContestType::HaQrp, ContestType::SilentKeyMem,
                             ContestType::Nmark, ContestType::Swl}) {
        testing::Unstarted u(type);
        u.s.qso = testing::record_of(testing::Q{junk, junk, junk, junk, junk, 1, junk, junk, junk, 1, 1, junk,
                                                junk, "00001", junk, "145 MHz", "00.000", junk, junk});
        short funkcio = kFunkcioNew;
        const Text line = build_log_line(u.s, funkcio);
        EXPECT_EQ(line.find_first_of(breaks), Text::npos) << line;
    }
    testing::Unstarted u(ContestType::Iaru);
    u.s.station.hivojel_text = u.s.station.QRA_text = u.s.station.exch_text = junk;
    u.s.station.verseny_neve_text = u.s.qso.kezelo_text = u.s.qso.qth_text = junk;
    const Text header = log_file_header(u.s);
    EXPECT_EQ(header.find_first_of(breaks), Text::npos) << header;
    EXPECT_EQ(std::count(header.begin(), header.end(), ','), 11);
}

}  // namespace
}  // namespace loxar
