// The callsign database: records from ".qra" lines, lookups per contest type, the as-you-type
// selection, Insert completion, the locator list and the home callsign.
#include "database/callsign_db.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "model/file_io.hpp"
#include "model/paths.hpp"
#include "session/db_lookup.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using T = ContestType;

Text record_of(const Text& call, const Text& locs, const Text& name = "", const Text& qth = "",
               const Text& exch = "", const Text& nmark = "", const Text& hadxc = "") {
    return pad_cut(call, 15) + pad_cut(locs, 35) + pad_cut(name, 16) + pad_cut(qth, 19) + pad_cut(exch, 6) +
           pad_cut(nmark, 6) + pad_cut(hadxc, 5);
}

// A started home with the database file SYSTEM/<name> written from `lines` (cp1250, CR LF).
struct DbFixture : testing::Unstarted {
    DbFixture() : Unstarted(T::Iaru) { prepare(); }
    fs::path write(const char* name, const std::vector<Text>& lines) {
        Text bytes;
        for (const Text& l : lines) bytes += l + kCrLf;
        const fs::path p = s.paths.system_dir / name;
        EXPECT_TRUE(write_file_atomic(p, bytes));
        return p;
    }
    void type(ContestType t) { s.szabaly_combo.set(static_cast<int>(t)); }
};

const std::vector<Text> kStations = {
    "QRA lista",
    "XX3CCC;KN07AA;Kiss Anna;Szeged;CS;Nem;000",
    "XX1AAA;JN97AA,JN97AB,;Minta Bela;Budapest;BP;Igen;001",
    "XX2BBB;;NONE;NONE;NONE;Nem;000",
    "XX4DDDDDDDDD;JN86AA,;Nagy Eva;Gyor;123;Igen;015",
    "XX5EEE;AA00AA;NONE;NONE;NONE;Nem;000",
};

TEST(DatabaseRecord, FixedColumnsFromFileLines) {
    struct Case {
        Text line;
        std::optional<Text> record;
    };
    const Case cases[] = {
        {"HA1AB;JN97AA,JN97AB;Kiss Pista;Budapest;BP;Igen;123",
         record_of("HA1AB", "JN97AA,JN97AB,", "Kiss Pista", "Budapest", "BP", "Igen", "123")},
        // Only a callsign and locators: every later column blank.
        {"HA2CD;JN96AA,JN96AB,", record_of("HA2CD", "JN96AA,JN96AB,")},
        {"HA2CD;", record_of("HA2CD", "")},
        // Empty locator parts (a doubled or closing ",") are not kept; blanks around fields go.
        {" HA4GH ;JN97AA,, JN97AB ,; Nev ", record_of("HA4GH", "JN97AA,JN97AB,", "Nev")},
        // Too long fields are cut to their columns; five locators fill the 35 columns exactly.
        {"HA5IJ;AA11AA,BB22BB,CC33CC,DD44DD,EE55EE,FF66FF;" + Text(30, 'N') + ";" + Text(30, 'Q'),
         record_of("HA5IJ", "AA11AA,BB22BB,CC33CC,DD44DD,EE55EE,", Text(16, 'N'), Text(19, 'Q'))},
        {"HA3EF JN97AA", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(database_record(c.line), c.record) << c.line;
        if (c.record) {
            EXPECT_EQ(c.record->size(), db_col::kRecordWidth);
        }
    }
}

TEST(DatabaseRecord, Utf8LineKeepsItsColumns) {
    const std::string utf8 =
        "HA6KL;JN97AA,;Kov\xC3\xA1"
        "cs \xC3\x96"
        "d\xC3\xB6n;P\xC3\xA9"
        "cs;BA;Nem;000";
    const std::optional<Text> r = database_record(utf8);
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, record_of("HA6KL", "JN97AA,", hu(u8"Kovács Ödön"), hu(u8"Pécs"), "BA", "Nem", "000"));
    // Bytes that are not UTF-8 are taken as cp1250 as they stand.
    const Text cp = "HA7MN;;" + hu(u8"Győr");
    EXPECT_EQ(database_record(cp), record_of("HA7MN", "", hu(u8"Győr")));
}

TEST(DatabaseFile, HeaderDroppedAndLinesWithoutSemicolonSkipped) {
    const Text bytes =
        "XX0ZZZ;JN97AA,\r\n"  // the first line goes whatever it holds
        "XX1AAA;JN97AA,\n"
        "no semicolon here\r\n"
        "\r\n"
        "XX2BBB;KN07AA,;Name";  // no line end after the last line
    const std::vector<Text> r = parse_database(bytes).records;
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], record_of("XX1AAA", "JN97AA,"));
    EXPECT_EQ(r[1], record_of("XX2BBB", "KN07AA,", "Name"));
    EXPECT_TRUE(parse_database("QRA lista").records.empty());
    EXPECT_TRUE(parse_database("").records.empty());
}

TEST(DatabaseLoad, SortedFirstCurrentAndLoadedFlag) {
    DbFixture f;
    adatbazis_beolvasas(f.s, f.write("IARU.qra", kStations));
    const CallsignDb& db = f.s.db.qra_sort_lista;
    ASSERT_EQ(db.size(), 5u);
    EXPECT_TRUE(std::is_sorted(db.records().begin(), db.records().end()));
    EXPECT_EQ(col(db.at(0), 1, 6), "XX1AAA");
    EXPECT_EQ(db.current(), 0);
    EXPECT_TRUE(f.s.db.database_loaded);
    EXPECT_TRUE(f.fakes.ui.messages.empty());
}

TEST(DatabaseLoad, MissingFileEmptiesTheListSilently) {
    for (bool before : {false, true}) {
        DbFixture f;
        adatbazis_beolvasas(f.s, f.write("IARU.qra", kStations));
        f.s.db.database_loaded = before;
        adatbazis_beolvasas(f.s, f.s.paths.system_dir / ".qra");
        EXPECT_TRUE(f.s.db.qra_sort_lista.empty());
        EXPECT_EQ(f.s.db.qra_sort_lista.current(), -1);
        EXPECT_EQ(f.s.db.database_loaded, before);
        EXPECT_TRUE(f.fakes.ui.messages.empty());
    }
}

TEST(DatabaseLoad, OversizedFileIsReportedAndSkipped) {
    DbFixture f;
    const fs::path p = f.write("HUGE.qra", {"QRA lista"});
    fs::resize_file(p, kMaxInputFileBytes + 1);  // sparse: nothing is really written
    adatbazis_beolvasas(f.s, p);
    EXPECT_TRUE(f.s.db.qra_sort_lista.empty());
    EXPECT_FALSE(f.s.db.database_loaded);
    ASSERT_EQ(f.fakes.ui.messages.size(), 1u);
    EXPECT_NE(f.fakes.ui.messages[0].find("HUGE.qra"), Text::npos);
}

TEST(DatabaseLoad, RecordsBeyondTheBoundAreCountedNotKept) {
    DbFixture f;
    adatbazis_beolvasas(f.s, f.write("MANY.qra", std::vector<Text>(kMaxDatabaseRecords + 1001, ";")));
    EXPECT_EQ(f.s.db.qra_sort_lista.size(), kMaxDatabaseRecords);
    EXPECT_TRUE(f.s.db.database_loaded);
    ASSERT_EQ(f.fakes.ui.messages.size(), 1u);
    EXPECT_NE(f.fakes.ui.messages[0].find(" 1000 sor kimaradt"), Text::npos);
}

TEST(DatabaseLookup, FillsTheReceivedFieldsByContestType) {
    struct Case {
        ContestType type;
        Text typed;
        Text call, locator, name, number;  // the fields afterwards
        std::vector<Text> locators;
        Text current;  // callsign of the current record afterwards
    };
    const Text P = "PRESET", N = "PRENAME", S = "PRENUM";
    const Case cases[] = {
        {T::Iaru, "XX1AAA", "XX1AAA", "JN97AA", "Minta Bela", S, {"JN97AA", "JN97AB"}, "XX1AAA"},
        {T::Iaru, " XX3CCC ", " XX3CCC ", "KN07AA", "Kiss Anna", S, {"KN07AA"}, "XX3CCC"},
        // No locators: the locator field is emptied; "NONE" is no name.
        {T::CqBp, "XX2BBB", "XX2BBB", "", N, S, {}, "XX2BBB"},
        // The placeholder locator is no locator.
        {T::CqwwVhf, "XX5EEE", "XX5EEE", "", N, S, {}, "XX5EEE"},
        {T::YlOm, "XX1AAA", "XX1AAA", P, "Minta Bela", S, {}, "XX1AAA"},
        {T::Hadx, "XX1AAA", "XX1AAA", P, N, "001", {}, "XX1AAA"},
        {T::Hadx, "XX2BBB", "XX2BBB", P, N, "", {}, "XX2BBB"},
        {T::Hadx, "XX9ZZZ", "XX9ZZZ", P, N, "", {}, "XX5EEE"},  // unknown station: number emptied
        {T::HaQrp, "XX1AAA", "XX1AAA", P, "Minta Bela", "Budapest", {}, "XX1AAA"},
        {T::Dx, "XX2BBB", "XX2BBB", P, N, S, {}, "XX2BBB"},
        // A 12-character callsign keeps every character.
        {T::Nmark, "XX4DDDDDDDDD", "XX4DDDDDDDDD", P, "Nagy Eva", "Gyor", {}, "XX4DDDDDDDDD"},
        {T::Nmark, "XX2BBB", "XX2BBB", P, "", "", {}, "XX2BBB"},
        {T::Ref, "XX4DDDDDDDDD", "XX4DDDDDDDDD", P, N, "123", {}, "XX4DDDDDDDDD"},
        // A type that takes nothing from the record, and types that do not look up at all.
        {T::Exchange, "XX3CCC", "XX3CCC", P, N, S, {}, "XX3CCC"},
        {T::None, "XX1AAA", "XX1AAA", P, N, S, {}, "XX5EEE"},
        {T::Iaru, "XX9ZZZ", "XX9ZZZ", P, N, S, {}, "XX5EEE"},
    };
    DbFixture f;
    adatbazis_beolvasas(f.s, f.write("IARU.qra", kStations));
    for (const Case& c : cases) {
        f.type(c.type);
        f.s.db.qra_sort_lista.set_current(static_cast<long>(f.s.db.qra_sort_lista.size()) - 1);
        f.s.db.qra_lista.clear();
        f.s.db.qra_lista.add("OLD");
        QsoRecord& q = f.s.qso;
        q.kapott_hivojel_text = c.typed;
        q.kapott_QRA_text = P;
        q.kapott_nev_text = N;
        q.kapott_sorszam_text = S;
        allomas_adat_kereses(f.s);
        const std::string where = contest_type_names()[static_cast<std::size_t>(c.type)] + " " + c.typed;
        EXPECT_EQ(q.kapott_hivojel_text, c.call) << where;
        EXPECT_EQ(q.kapott_QRA_text, c.locator) << where;
        EXPECT_EQ(q.kapott_nev_text, c.name) << where;
        EXPECT_EQ(q.kapott_sorszam_text, c.number) << where;
        EXPECT_EQ(f.s.db.qra_lista.items(), c.locators) << where;
        EXPECT_EQ(
            trim(col(f.s.db.qra_sort_lista.at(static_cast<std::size_t>(f.s.db.qra_sort_lista.current())), 1,
                     15)),
            c.current)
            << where;
    }
}

TEST(DatabaseLookup, OffUntilLoadedAndAfterACancelledChoice) {
    DbFixture f;
    f.write("IARU.qra", kStations);
    f.s.qso.kapott_hivojel_text = "XX1AAA";
    allomas_adat_kereses(f.s);  // nothing loaded yet
    EXPECT_EQ(f.s.qso.kapott_nev_text, "");

    adatbazis_beolvasas(f.s, f.s.paths.system_dir / "IARU.qra");
    qra_read_cmd_Click(f.s);  // the operator cancels the chooser
    EXPECT_EQ(f.s.dialog.chooser_mode, ChooserMode::Open);
    EXPECT_EQ(f.s.dialog.chooser_extension, "qra");
    EXPECT_EQ(fs_path(f.s.dialog.chooser_directory), f.s.paths.system_dir);
    EXPECT_FALSE(f.s.db.database_loaded);
    EXPECT_EQ(f.s.db.qra_sort_lista.size(), 5u);  // the list keeps its entries
    allomas_adat_kereses(f.s);
    EXPECT_EQ(f.s.qso.kapott_nev_text, "");

    f.fakes.ui.chooser_results.push_back(text_path(f.s.paths.system_dir / "IARU.qra"));
    f.type(T::Nmark);
    qra_read_cmd_Click(f.s);
    EXPECT_EQ(f.s.dialog.chooser_extension, "nmark");
    EXPECT_TRUE(f.s.db.database_loaded);
    f.type(T::Iaru);
    allomas_adat_kereses(f.s);
    EXPECT_EQ(f.s.qso.kapott_nev_text, "Minta Bela");
}

TEST(TypedSelection, FirstRecordHoldingTheTextAnywhere) {
    struct Case {
        Text typed;
        Text current;  // callsign of the current record afterwards
    };
    const Case cases[] = {
        {"XX", "XX1AAA"},     {"BBB", "XX2BBB"},
        {" CCC ", "XX3CCC"},  {"JN86", "XX4DDDDDDDDD"},  // inside a locator
        {"Szeged", "XX3CCC"},                            // inside a QTH
        {"QQQ", "XX3CCC"},                               // no match: the previous selection stays
        {"", "XX1AAA"},
    };
    DbFixture f;
    adatbazis_beolvasas(f.s, f.write("IARU.qra", kStations));
    for (const Case& c : cases) {
        f.s.qso.kapott_hivojel_text = c.typed;
        database_select_typed(f.s);
        EXPECT_EQ(
            trim(col(f.s.db.qra_sort_lista.at(static_cast<std::size_t>(f.s.db.qra_sort_lista.current())), 1,
                     15)),
            c.current)
            << c.typed;
    }
}

TEST(TypedSelection, IndexAgreesWithAPlainScan) {
    std::mt19937 rng(7);
    auto pick = [&rng](const std::string& alphabet) { return alphabet[rng() % alphabet.size()]; };
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ", digits = "0123456789";
    std::vector<Text> records;
    for (int i = 0; i < 3000; ++i) {
        Text call = {pick(letters), pick(letters), pick(digits), pick(letters), pick(letters)};
        if (i % 7 == 0) call += "/P";
        Text loc = {pick("JK"), pick("NO"), pick(digits), pick(digits), pick(letters), pick(letters)};
        records.push_back(record_of(call, loc + ",", i % 3 ? "" : "Name" + call.substr(0, 2), "QTH"));
    }
    CallsignDb db;
    db.assign(records);
    auto plain = [&db](const Text& needle) -> long {
        for (std::size_t i = 0; i < db.size(); ++i) {
            if (db.at(i).find(needle) != Text::npos) return static_cast<long>(i);
        }
        return -1;
    };
    for (int k = 0; k < 4000; ++k) {
        Text needle;
        if (k % 2 == 0) {  // a piece of a record, blanks and field borders included
            const Text& r = db.at(rng() % db.size());
            const std::size_t len = 1 + rng() % 9;
            needle = r.substr(rng() % (r.size() - len), len);
        } else {
            for (std::size_t n = 1 + rng() % 5; n > 0; --n) needle += pick(letters + digits + "/ ");
        }
        ASSERT_EQ(db.find_containing(needle), plain(needle)) << '"' << needle << '"';
    }
}

TEST(InsertCompletion, CompletesTheCallsignAndLooksItUp) {
    DbFixture f;
    adatbazis_beolvasas(f.s, f.write("IARU.qra", kStations));
    f.s.qso.kapott_hivojel_text = "1AA";
    database_select_typed(f.s);
    EXPECT_EQ(database_insert_completion(f.s), Text("XX1AAA"));
    EXPECT_EQ(f.s.qso.kapott_hivojel_text, "XX1AAA");
    EXPECT_EQ(f.s.qso.kapott_QRA_text, "JN97AA");
    EXPECT_EQ(f.s.qso.kapott_nev_text, "Minta Bela");

    // The current record does not hold the text: the key is left to the field.
    f.s.qso.kapott_hivojel_text = "QQQ";
    EXPECT_FALSE(database_insert_completion(f.s));
    EXPECT_EQ(f.s.qso.kapott_hivojel_text, "QQQ");

    f.s.db.qra_sort_lista.clear();
    f.s.qso.kapott_hivojel_text = "";
    EXPECT_FALSE(database_insert_completion(f.s));
}

TEST(LocatorList, ButtonDoubleClickAndEnter) {
    DbFixture f;
    adatbazis_beolvasas(f.s, f.write("IARU.qra", kStations));
    f.s.qso.kapott_hivojel_text = "XX1AAA";
    allomas_adat_kereses(f.s);
    ASSERT_EQ(f.s.db.qra_lista.size(), 2u);
    EXPECT_EQ(f.s.db.qra_lista.list_index, 0);

    qra_lista_cmd_Click(f.s);
    EXPECT_EQ(f.fakes.ui.focus_log.back(), "qra_lista");
    qra_lista_DblClick(f.s, 1);
    EXPECT_EQ(f.s.qso.kapott_QRA_text, "JN97AB");
    qra_lista_DblClick(f.s, 5);  // outside the list: nothing
    EXPECT_EQ(f.s.qso.kapott_QRA_text, "JN97AB");

    f.s.db.qra_lista.select_only(0);
    EXPECT_TRUE(qra_lista_enter(f.s));
    EXPECT_EQ(f.s.qso.kapott_QRA_text, "JN97AA");
    EXPECT_EQ(f.fakes.ui.focus_log.back(), "kapott_QRA_text");

    // Adding a QSO empties the list; Enter on it is swallowed and changes nothing.
    f.s.db.qra_lista.clear();
    f.s.qso.kapott_QRA_text = "JN00AA";
    EXPECT_TRUE(qra_lista_enter(f.s));
    EXPECT_EQ(f.s.qso.kapott_QRA_text, "JN00AA");
}

TEST(HomeCallsign, SlashParts) {
    const std::pair<Text, Text> cases[] = {
        {"HA1AB", "HA1AB"},      {"HA1AB/P", "HA1AB"},  {"HA1AB/M", "HA1AB"},
        {"HA1AB/MM", "HA1AB"},   {"OE/HA1AB", "HA1AB"}, {"HA1AB/QRP", "QRP"},
        {"OE/HA1AB/P", "HA1AB"}, {"A/B/C/D", ""},       {"", ""},
        {"HA1AB/", "HA1AB"},  // still being typed
    };
    for (const auto& [call, home] : cases) EXPECT_EQ(hivojel_kereses(call), home) << call;
}

TEST(ShippedSample, LoadsWithEveryRecordInColumns) {
    const fs::path sample =
        fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "minta.qra";
    const std::optional<Text> bytes = read_file(sample);
    ASSERT_TRUE(bytes) << sample;
    EXPECT_EQ(split_lines(*bytes).front(), "QRA lista");
    const std::vector<Text> records = parse_database(*bytes).records;
    EXPECT_GE(records.size(), 5u);
    for (const Text& r : records) {
        EXPECT_EQ(r.size(), db_col::kRecordWidth);
        EXPECT_EQ(col(r, 1, 2), "XX");  // placeholder callsigns only
    }
}

}  // namespace
}  // namespace loxar
