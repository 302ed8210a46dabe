// The "Hívójel lista" working list: reading and writing ".qra" files, adding, overwriting and
// merging the log, the entry keys and the list's clicks.
#include <gtest/gtest.h>

#include "model/file_io.hpp"
#include "session/qra_panel.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

using T = ContestType;

QraEntry entry(const Text& call, std::array<Text, 4> locs = {}, const Text& name = "", const Text& exch = "",
               const Text& hadxc = "", bool nmark = false) {
    QraEntry e;
    e.call = call;
    e.locators = locs;
    e.name = name;
    e.exchange = exch;
    e.hadxc = hadxc;
    e.nmark = nmark;
    return e;
}

QraValues values(const Text& call, std::vector<Text> locs, const Text& name = "NONE",
                 const Text& exch = "NONE", const Text& nmark = "Nem", const Text& hadxc = "000") {
    QraValues v;
    v.call = call;
    v.locators = std::move(locs);
    v.name = name;
    v.exchange = exch;
    v.nmark = nmark;
    v.hadxc = hadxc;
    return v;
}

const ExchangeQuestion kNever = [](const Text&, const Text&, const Text&) -> bool {
    ADD_FAILURE() << "no exchange question expected";
    return false;
};

TEST(QraList, FileLinesBecomeRecords) {
    const auto read = parse_qra_list(
        "QRA lista\r\n"
        "HA1AB;JN97;Kiss Pista;Budapest;BP;Igen;12a\r\n"
        "HA2CD;JN9\r\n"  // a 3-character locator is none
        "HA3EF;JN97A,KN08AA,\r\n"
        "no station line\r\n"
        "HA4GH;AA00AA;NONE;NONE;NONE;Nem;x\r\n");
    ASSERT_TRUE(read);
    ASSERT_EQ(read->records.size(), 4u);
    EXPECT_EQ(read->records[0], pad_cut("HA1AB", 15) + pad_cut("JN97", 35) + pad_cut("Kiss Pista", 16) +
                                    pad_cut("Budapest", 19) + pad_cut("BP", 6) + "Igen    012");
    const Text none_tail = pad_cut("NONE", 16) + pad_cut("NONE", 19) + pad_cut("NONE", 6) + "Nem    000";
    EXPECT_EQ(read->records[1], pad_cut("HA2CD", 15) + pad_cut("", 35) + none_tail);
    EXPECT_EQ(read->records[2], pad_cut("HA3EF", 15) + pad_cut("JN97A,KN08AA,", 35) + none_tail);
    EXPECT_EQ(qra_values(read->records[2]).locators, (std::vector<Text>{"JN97A", "KN08AA"}));
    EXPECT_TRUE(qra_values(read->records[3]).locators.empty());
    EXPECT_FALSE(parse_qra_list("HA1AB;JN97AA\r\n"));
}

TEST(QraList, AFileReadAndSavedAgainKeepsItsBytes) {
    const Text file =
        "QRA lista\r\n"
        // A 16-letter name, a 19-letter QTH and a 6-letter exchange fill their columns to the end.
        "HA1AB;JN97AA,JN97AB;ABCDEFGHIJKLMNOP;QRSTUVWXYZABCDEFGHI;EXCH12;Igen;123\r\n"
        "HA2CD;AA00AA;NONE;NONE;NONE;Nem;045\r\n"
        "HA3EF;JN97AA,JN97AB,;;;;Nem;000\r\n"             // a closing "," and empty fields
        "HA4GH;JN97  ,KN08AA;NONE;NONE;NONE;Nem;000\r\n"  // a short locator in its slot
        "HA5IJ;JN97AA,JN97AB,JN97AC,JN97AD,JN97AE,;NONE;NONE;NONE;Nem;000\r\n";
    const auto read = parse_qra_list(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(qra_file_text(read->records), file);
}

TEST(QraList, AddingOverwritingAndMerging) {
    const Text known = qra_record(values("HA1AB", {"JN97AA", "JN97AB"}, "PETER", "BP", "Igen", "042"));
    struct Case {
        const char* what;
        IrasFunkcio f;
        QraEntry e;
        QraValues want;
    };
    const Case cases[] = {
        {"a new locator is appended", IrasFunkcio::Add, entry("HA1AB", {"JN97AC"}, "", "", "042"),
         values("HA1AB", {"JN97AA", "JN97AB", "JN97AC"}, "PETER", "BP", "Nem", "042")},
        {"a known locator only moves", IrasFunkcio::Add, entry("HA1AB", {"JN97AA"}, "", "", "042", true),
         values("HA1AB", {"JN97AB", "JN97AA"}, "PETER", "BP", "Igen", "042")},
        {"five locators are cut to four", IrasFunkcio::Add,
         entry("HA1AB", {"KN08AA", "KN08AB", "KN08AC"}, "", "", "042"),
         values("HA1AB", {"JN97AA", "JN97AB", "KN08AA", "KN08AB"}, "PETER", "BP", "Nem", "042")},
        {"an emptied number clears the known one", IrasFunkcio::Add, entry("HA1AB", {}, "", "", ""),
         values("HA1AB", {"JN97AA", "JN97AB"}, "PETER", "BP", "Nem", "000")},
        {"so does 000", IrasFunkcio::Add, entry("HA1AB", {}, "", "", "000"),
         values("HA1AB", {"JN97AA", "JN97AB"}, "PETER", "BP", "Nem", "000")},
        {"overwriting takes the fields only", IrasFunkcio::Overwrite, entry("HA1AB", {"KN08AA"}, "JOE"),
         values("HA1AB", {"KN08AA"}, "JOE", "NONE", "Nem", "000")},
        {"a merged QSO keeps the name, number and membership", IrasFunkcio::MergeLog,
         entry("HA1AB", {"", "AA00AA"}, "NONE"),
         values("HA1AB", {"JN97AA", "JN97AB"}, "PETER", "BP", "Igen", "042")},
        {"a given number replaces the known one", IrasFunkcio::MergeLog, entry("HA1AB", {}, "", "", "7"),
         values("HA1AB", {"JN97AA", "JN97AB"}, "PETER", "BP", "Igen", "007")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(merged_record(known, c.e, c.f, kNever), qra_record(c.want)) << c.what;
    }
    // A new station: its own fields, "NONE" and "000" for what is not given.
    EXPECT_EQ(merged_record(std::nullopt, entry("HA9ZZ", {"JN97"}), IrasFunkcio::Add, kNever),
              qra_record(values("HA9ZZ", {"JN97"})));
}

TEST(QraList, ExchangeConflictIsAskedAndAnswered) {
    const Text known = qra_record(values("HA1AB", {}, "NONE", "BP"));
    for (bool yes : {true, false}) {
        Text asked;
        const Text r = merged_record(known, entry("HA1AB", {}, "", "GY"), IrasFunkcio::Add,
                                     [&](const Text& call, const Text& n, const Text& o) {
                                         asked = call + " " + n + " " + o;
                                         return yes;
                                     });
        EXPECT_EQ(asked, "HA1AB GY BP");
        EXPECT_EQ(qra_values(r).exchange, yes ? "GY" : "BP");
    }
}

TEST(QraList, LogMergeAsksOncePerConflictingQsoAndKeepsDxExchanges) {
    testing::Started h(T::Hadx);
    auto hadx = [](const Text& call, const Text& nr) {
        return testing::line_of(T::Hadx, testing::Worked{.call = call, .nr = nr});
    };
    h.s.log_lista.add(hadx("HA1AB", "BP"));
    h.s.log_lista.add(hadx("HA1AB", "GY"));
    h.s.log_lista.add(hadx("HA1AB", "SZ"));
    h.s.log_lista.add(hadx("DL1XX", "15"));
    h.s.log_lista.add(hadx("HA1AB", "SZ"));
    ListBox& list = h.s.db.qra_list_panel.hivojel_qra_lista;
    list.add(qra_record(values("DL1XX", {}, "HANS", "DOK", "Igen", "321")));
    h.fakes.ui.answers = {false, true};

    hivojel_lista_hozzaadas(h.s, IrasFunkcio::MergeLog);
    const Text q = Text("HA1AB") + kCrLf + "Exchange ";
    EXPECT_EQ(h.fakes.ui.questions, (std::vector<Text>{q + "GY ==> BP" + kCrLf + hu(u8" Cseréli?"),
                                                       q + "SZ ==> BP" + kCrLf + hu(u8" Cseréli?")}));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.at(1), qra_record(values("HA1AB", {}, "NONE", "SZ")));
    EXPECT_EQ(list.at(0), qra_record(values("DL1XX", {}, "HANS", "DOK", "Igen", "321")));
}

TEST(QraList, LogFieldsByContestType) {
    struct Case {
        T type;
        testing::Worked q;
        QraValues want;
    };
    const Case cases[] = {
        {T::Iaru, {.call = "HA1AB", .loc = "JN97AA", .name = "PETER"}, values("HA1AB", {"JN97AA"}, "PETER")},
        {T::YlOm, {.call = "HA1AB", .loc = "JN97AA", .name = "ANNA"}, values("HA1AB", {}, "ANNA")},
        {T::Ref, {.call = "F1ABC", .nr = "0075"}, values("F1ABC", {}, "NONE", "75")},
        {T::RudxAll, {.call = "UA3AA", .nr = "MO"}, values("UA3AA", {}, "NONE", "MO")},
        {T::RudxAll, {.call = "DL1AA", .nr = "12"}, values("DL1AA", {})},
    };
    for (const Case& c : cases) {
        std::vector<Text> records;
        QraEntry e;
        merge_log(records, {testing::line_of(c.type, c.q)}, c.type, e, kNever);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0], qra_record(c.want)) << static_cast<int>(c.type);
    }
    testing::Worked haqrp{.call = "HA1AB", .nr = "DEBRECEN", .name = "PETER"};
    QraEntry e;
    entry_from_log_line(testing::line_of(T::HaQrp, haqrp), T::HaQrp, e);
    EXPECT_EQ(e.qth, "DEBRECEN");
    EXPECT_EQ(e.name, "PETER");
}

TEST(QraList, FilesThroughTheChooser) {
    testing::Started h;
    const auto path = h.system_file("lista.qra");
    ASSERT_TRUE(write_file_atomic(path, "QRA lista\r\nHA1AB;JN97AA;NONE;NONE;NONE;Igen;012\r\nHA2CD;;\r\n"));
    h.fakes.ui.chooser_results = {text_path(path)};
    hivojel_lista_cmd_Click(h.s, 1);
    ListBox& list = h.s.db.qra_list_panel.hivojel_qra_lista;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.first_selected(), 0);

    // A double click gives the membership and the number back, for a member and a non-member.
    hivojel_qra_lista_DblClick(h.s, 0);
    EXPECT_EQ(h.s.db.qra_list_panel.nmark_combo.list_index, 1);
    EXPECT_EQ(h.s.db.qra_list_panel.lista_hadxc_text, "012");
    EXPECT_EQ(h.s.db.qra_list_panel.lista_qra_text[0], "JN97AA");
    hivojel_qra_lista_DblClick(h.s, 1);
    EXPECT_EQ(h.s.db.qra_list_panel.nmark_combo.list_index, 0);
    EXPECT_EQ(h.s.db.qra_list_panel.lista_hadxc_text, "000");
    EXPECT_EQ(h.s.db.qra_list_panel.lista_qra_text[0], "");

    const auto saved = h.system_file("uj.qra");
    h.fakes.ui.chooser_results = {text_path(saved)};
    hivojel_lista_cmd_Click(h.s, 0);
    EXPECT_EQ(h.fakes.ui.messages.back(), "Elmentve!");
    EXPECT_EQ(read_file(saved).value_or(""),
              "QRA lista\r\nHA1AB;JN97AA;NONE;NONE;NONE;Igen;012\r\nHA2CD;;;NONE;NONE;Nem;000\r\n");

    // A file of another kind, or one that cannot be read, leaves the unsaved list as it was.
    h.fakes.ui.chooser_results = {text_path(h.system_file("dxcc_list.txt"))};
    hivojel_lista_cmd_Click(h.s, 1);
    EXPECT_EQ(h.fakes.ui.messages.back(), "Nem QRA lista!");
    EXPECT_EQ(list.size(), 2u);
    h.fakes.ui.chooser_results = {text_path(h.system_file("minta"))};
    hivojel_lista_cmd_Click(h.s, 1);
    EXPECT_EQ(list.size(), 2u);

    // Saving an empty list only beeps.
    list.clear();
    const int beeps = h.fakes.ui.beeps;
    hivojel_lista_cmd_Click(h.s, 0);
    EXPECT_EQ(h.fakes.ui.beeps, beeps + 1);
    EXPECT_TRUE(h.fakes.ui.chooser_results.empty());
}

TEST(QraList, EntryKeysTypingAndDeleting) {
    testing::Started h;
    QraListPanel& p = h.s.db.qra_list_panel;
    p.lista_qra_text = {"A", "B", "C", "D"};
    char c = '<';
    EXPECT_TRUE(qra_entry_key(h.s, Control::lista_qra_text_1, c));
    EXPECT_EQ(p.lista_qra_text, (std::array<Text, 4>{"B", "C", "D", "A"}));
    c = '>';
    EXPECT_TRUE(qra_entry_key(h.s, Control::lista_qra_text_0, c));
    EXPECT_EQ(p.lista_qra_text, (std::array<Text, 4>{"A", "B", "C", "D"}));
    c = ' ';
    EXPECT_TRUE(qra_entry_key(h.s, Control::lista_hadxc_text, c));
    EXPECT_EQ(h.fakes.ui.focus_log.back(), "lista_hivojel_text");
    c = static_cast<char>(0xF5);  // ő
    EXPECT_FALSE(qra_entry_key(h.s, Control::lista_nev_text, c));
    EXPECT_EQ(c, 'O');
    c = '=';  // the name becomes a received name: refused as there
    EXPECT_FALSE(qra_entry_key(h.s, Control::lista_nev_text, c));
    EXPECT_EQ(c, '\0');

    p.lista_qra_text = {};
    for (const char* call : {"HA1AB", "HA2CD", "HA3EF"}) {
        p.lista_hivojel_text = call;
        c = '\r';
        EXPECT_TRUE(qra_entry_key(h.s, Control::lista_nev_text, c));
    }
    ListBox& list = p.hivojel_qra_lista;
    ASSERT_EQ(list.size(), 3u);
    p.lista_hivojel_text = "2C";
    lista_hivojel_text_Change(h.s);
    EXPECT_EQ(list.first_selected(), 1);
    list.select(2, true);
    hivojel_qra_lista_shift_delete(h.s);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(qra_values(list.at(0)).call, "HA1AB");
    // Found only within the first 11 characters: not in the name or the locators.
    EXPECT_EQ(find_typed(list.items(), "NONE"), -1);

    h.fakes.ui.answers = {true};
    hivojel_lista_cmd_Click(h.s, 3);
    EXPECT_EQ(h.fakes.ui.questions.back(), hu(u8"Akar új listát nyitni?"));
    EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace loxar
