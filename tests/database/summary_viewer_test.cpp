// The summary viewer: reading a ".SUM" file, the search and the counterpart of a QSO.
#include "session/summary_viewer.hpp"

#include <gtest/gtest.h>

#include "model/file_io.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

// A QSO line: key in columns 7-11, first callsign in 17-28, second in 45-56.
Text qso(const Text& key, const Text& a, const Text& b, const Text& note = "") {
    return "QSO   " + pad_cut(key, 5) + "     " + pad_cut(a, 12) + pad_cut(" " + note, 16) + pad_cut(b, 12) +
           " 599";
}

const Text kHeader = hu(u8"Összesítő:") + kCrLf;

TEST(SummaryViewer, ReadingKeepsWhatItReadAndRefusesOtherFiles) {
    struct Case {
        Text bytes;
        SummaryStatus status;
        std::size_t lines;
    };
    const Case cases[] = {
        {kHeader + "End\r\n", SummaryStatus::Ok, 0},
        {kHeader + "egy\r\nketto\r\nEnd\r\nharom\r\n", SummaryStatus::Ok, 2},
        {kHeader + "egy\r\nketto\r\n", SummaryStatus::NoEnd, 2},
        {"Osszesito:\r\negy\r\nEnd\r\n", SummaryStatus::NotSummary, 0},
        {kHeader + "egy\r\n" +
             Text("\x01\x02\x00"
                  "ab",
                  5) +
             "\r\nEnd\r\n",
         SummaryStatus::NotText, 0},
        // A form feed or a DOS end mark inside a line is text.
        {kHeader + "egy\f\r\n\x1a"
                   "ketto\r\nEnd\r\n",
         SummaryStatus::Ok, 2},
        // A file written as UTF-8 reads as the same text.
        {cp1250_to_utf8(kHeader) + "egy\r\nEnd\r\n", SummaryStatus::Ok, 1},
    };
    for (const Case& c : cases) {
        const SummaryRead r = parse_summary(c.bytes);
        EXPECT_EQ(r.status, c.status) << c.bytes;
        EXPECT_EQ(r.lines.size(), c.lines) << c.bytes;
    }
}

TEST(SummaryViewer, SearchInLowerCaseMarksTheSameLines) {
    ListBox list;
    for (const Text& l :
         {qso("1", "HA1AB", "HA2CD"), qso("2", "HA3EF", "HA1AB"), qso("3", "HA5XX", "HA6YY")}) {
        list.add(l);
    }
    list.select(2, true);
    summary_search(list, "ha1ab");
    EXPECT_TRUE(list.selected(0));
    EXPECT_TRUE(list.selected(1));
    EXPECT_TRUE(list.selected(2));  // kept
    ListBox upper = list;
    for (std::size_t i = 0; i < 3; ++i) upper.select(i, false);
    summary_search(upper, "HA1AB");
    EXPECT_TRUE(upper.selected(0) && upper.selected(1) && !upper.selected(2));
}

TEST(SummaryViewer, ReadingSearchingAndCounterpartInTheSession) {
    testing::Started h;
    const auto file = h.home.path() / "TEMP" / "verseny.SUM";
    const std::vector<Text> lines = {qso("12", "HA1AB", "HA2CD", "a"), qso("12", "HA2CD", "HA1AB", "b"),
                                     qso("13", "HA1AB", "HA9ZZ"), qso("12", "HA2CD", "HA1AB", "c")};
    Text bytes = kHeader;
    for (const Text& l : lines) bytes += l + kCrLf;
    ASSERT_TRUE(write_file_atomic(file, bytes));  // no "End"
    h.fakes.ui.chooser_results = {text_path(file)};
    osszesito_beolvasas_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages, (std::vector<Text>{"Hiba!"}));
    SummaryPanel& p = h.s.db.summary_panel;
    EXPECT_EQ(p.osszesito_lista.items(), lines);

    // The partner's QSO with the same key; the last of several stays shown.
    osszesito_lista_DblClick(h.s, 0);
    EXPECT_EQ(p.qso1_test, lines[0]);
    EXPECT_EQ(p.qso2_test, lines[3]);
    // A partner that sent no log.
    osszesito_lista_DblClick(h.s, 2);
    EXPECT_EQ(p.qso1_test, lines[2]);
    EXPECT_EQ(p.qso2_test, "");

    char c = 'z';
    EXPECT_FALSE(kereses_text_key(h.s, c));
    EXPECT_EQ(c, 'Z');
    p.kereses_text = "HA9ZZ";
    c = '\r';
    EXPECT_TRUE(kereses_text_key(h.s, c));
    EXPECT_EQ(p.osszesito_lista.first_selected(), 2);

    ASSERT_TRUE(write_file_atomic(file, "Valami\r\nEnd\r\n"));
    h.fakes.ui.chooser_results = {text_path(file)};
    osszesito_beolvasas_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Nem Összesítő file!"));
    EXPECT_TRUE(p.osszesito_lista.empty());
}

}  // namespace
}  // namespace loxar
