// The country table as the operator's country file and the log meet it.
#include "session/country_table.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "model/default_data.hpp"
#include "model/file_io.hpp"
#include "model/paths.hpp"
#include "session/startup.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;

Text file_of(const std::vector<Text>& lines) {
    Text t;
    for (const Text& l : lines) t += l + kCrLf;
    return t;
}

CountryTable table_of(const std::vector<Text>& lines) {
    CountryFileContents c = read_country_file(file_of(lines));
    EXPECT_TRUE(c.problems.empty());
    CountryTable t(c.records);
    t.dxcc_lista_toltes();
    return t;
}

Text index_of(const CountryTable& t, const Text& call) {
    return col(t.dxcc_kereses(call), 1, 3);
}

// A session whose home holds the given country file.
struct Home : testing::Home {
    explicit Home(const std::optional<Text>& country_file) {
        prepare();
        if (country_file) {
            EXPECT_TRUE(write_file_atomic(s.paths.system_dir / kCountryFile, *country_file));
        }
        dxcc_tabla_betoltes(s);
        dxcc_lista_toltes(s);
    }
    void contest(ContestType t) { s.szabaly_combo.list_index = static_cast<int>(t); }
};

const std::vector<Text> kEurope = {
    R"(239,"HA","Hungary","EU","28","15","HA")",
    R"(239,"HG","Hungary","EU","28","15","HA")",
    R"(230,"DL","Fed. Rep. of Germany","EU","28","14","DL")",
    R"(206,"OE","Austria","EU","28","15","OE")",
};

TEST(CountryLookup, TheEntryLaterInTheFileWins) {
    struct Case {
        std::vector<Text> lines;
        Text call;
        Text index;
    };
    const Text russia = R"(054,"U","Russia","EU","29","16","UA")";
    const Text kaliningrad = R"(126,"UA2","Kaliningrad","EU","29","15","UA2")";
    const Text anywhere = R"(999,"","Anywhere","EU","1","1","")";
    const Case cases[] = {
        // General prefix first, the exception after it: the exception wins.
        {{russia, kaliningrad}, "UA2FZ", "126"},
        {{russia, kaliningrad}, "UA3AA", "054"},
        // The other way round the general prefix hides the exception, whatever the lengths.
        {{kaliningrad, russia}, "UA2FZ", "054"},
        // The comparison is exact: lower case matches nothing.
        {kEurope, "ha5kdr", "000"},
        {kEurope, "HG7T", "239"},
        {kEurope, "XX1AAA", "000"},
        // An empty prefix matches whatever no later entry matches.
        {{anywhere, kEurope[0]}, "ZZ9ZZ", "999"},
        {{anywhere, kEurope[0]}, "HA1A", "239"},
    };
    for (const Case& c : cases) EXPECT_EQ(index_of(table_of(c.lines), c.call), c.index) << c.call;
}

TEST(CountryLookup, AnEmptyNameEndsTheListButNotTheTable) {
    CountryTable t = table_of({kEurope[0], R"(001,"VE","","NA","4","5","VE")", kEurope[2]});
    EXPECT_EQ(t.country_table()[2].prefix, "DL");
    EXPECT_EQ(t.dxcc_lista().size(), 1u);
    EXPECT_EQ(index_of(t, "HA5KDR"), "239");
    EXPECT_EQ(index_of(t, "VE3AA"), "000");
    EXPECT_EQ(index_of(t, "DL1ABC"), "000");
}

TEST(CountryLookup, TheRecordHoldsEveryFieldInItsColumns) {
    const Text zones = "01;02;03;04;05;06;07;08;09;10;11;12;13;14;15;16";  // 47 characters
    CountryTable t = table_of({"5,VK9X,Christmas Island,OC,\"" + zones + ";9\",29,VK9X-primary"});
    const Text list = t.dxcc_lista().at(0);
    EXPECT_EQ(list.size(), kCountryListEntryLength);
    EXPECT_EQ(col(list, 1, 1), "4");  // prefix length
    const Text r = t.dxcc_kereses("VK9XX");
    EXPECT_EQ(r.size(), kCountryRecordLength);
    EXPECT_EQ(col(r, 1, 3), "005");  // the index always has 3 digits
    EXPECT_EQ(col(r, 6, 7), "VK9X   ");
    EXPECT_EQ(trim(col(r, 13, 32)), "Christmas Island");
    EXPECT_EQ(col(r, 45, 2), "OC");
    EXPECT_EQ(col(r, 48, 12), "VK9X-prima  ");  // field 7 cut to 10
    EXPECT_EQ(col(r, 60, 48), zones + ";");     // the whole 48-character zone list
    EXPECT_EQ(col(r, 108, 5), "29   ");
    EXPECT_EQ(country_index_of(r), 5);
    EXPECT_EQ(country_index_of(no_country_record()), 0);
}

TEST(CountryFile, BadLinesAreRefusedWithTheirNumbersAndGoodOnesLoad) {
    const Text file = file_of({
        kEurope[0],                                         // 1 good
        R"(230,"DL","Germany","EU","28","14")",             // 2 six fields
        R"(ABC,"DL","Germany","EU","28","14","DL")",        // 3 index not a number
        R"(1000,"DL","Germany","EU","28","14","DL")",       // 4 index beyond 999
        R"(-5,"DL","Germany","EU","28","14","DL")",         // 5 negative index
        R"(230,"DL12345X","Germany","EU","28","14","DL")",  // 6 prefix of 8 characters
        R"(230,"DL,"Germany","EU","28","14","DL)",          // 7 quote left open
        R"(230,DL,Fed. Rep., Germany,EU,28,14,DL)",         // 8 unquoted comma: eight fields
        "",                                                 // 9 blank: skipped silently
        kEurope[2],                                         // 10 good
    });
    CountryFileContents c = read_country_file(file);
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(c.records[1].prefix, "DL");
    std::vector<std::size_t> lines;
    for (const auto& p : c.problems) lines.push_back(p.line);
    EXPECT_EQ(lines, (std::vector<std::size_t>{2, 3, 4, 5, 6, 7, 8}));

    // At start the operator gets one box naming the file, the first problems and their count.
    Home h(file);
    ASSERT_EQ(h.fakes.ui.messages.size(), 1u);
    EXPECT_EQ(h.fakes.ui.beeps, 1);
    const Text& m = h.fakes.ui.messages[0];
    EXPECT_NE(m.find(text_path(h.s.paths.system_dir / kCountryFile)), Text::npos);
    EXPECT_NE(m.find(": 7 db"), Text::npos);
    EXPECT_NE(m.find("2. sor"), Text::npos);
    EXPECT_NE(m.find("6. sor"), Text::npos);
    EXPECT_EQ(m.find("7. sor"), Text::npos);
    EXPECT_NE(m.find(hu(u8"... és még 2 hibás sor.")), Text::npos);
    EXPECT_EQ(col(dxcc_kereses(h.s, "DL1ABC"), 1, 3), "230");
}

TEST(CountryFile, RecordsBeyond1001AreRefused) {
    std::vector<Text> lines;
    for (int i = 0; i < 1004; ++i) lines.push_back("1,P" + std::to_string(i) + ",Name,EU,1,1,x");
    CountryFileContents c = read_country_file(file_of(lines));
    EXPECT_EQ(c.records.size(), kCountrySlots);
    ASSERT_EQ(c.problems.size(), 3u);
    EXPECT_EQ(c.problems[0].line, 1002u);
    CountryTable t(c.records);
    t.dxcc_lista_toltes();
    EXPECT_EQ(t.dxcc_lista().size(), kCountrySlots);
}

TEST(CountryFile, RefusedLinesAreCountedButOnlyTheFirstKept) {
    Text file;
    for (int i = 0; i < 10000; ++i) file += "x\r\n";
    const CountryFileContents c = read_country_file(file);
    EXPECT_EQ(c.problems.size(), kMaxKeptCountryProblems);
    EXPECT_NE(country_problems_message("f", c).find(": 10000 db"), Text::npos);
}

TEST(CountryFile, GarbageAndHugeLinesNeverStopTheGoodOnes) {
    std::mt19937 rng(42);
    Text garbage;
    for (int i = 0; i < 200000; ++i) garbage += static_cast<char>(rng() % 256);
    const Text huge(10 * 1024 * 1024, 'A');
    for (const Text& bad : {garbage, huge, Text(3000, ','), Text("\0\0\0,1,2,3,4,5,6", 15)}) {
        CountryFileContents c = read_country_file(kEurope[0] + kCrLf + bad + kCrLf + kEurope[3]);
        ASSERT_EQ(c.records.size(), 2u);
        EXPECT_EQ(c.records[1].name, "Austria");
        EXPECT_FALSE(c.problems.empty());
        EXPECT_LT(country_problems_message("f", c).size(), 2000u);
    }
    // The same through the start: the huge line is refused with its number.
    Home h(kEurope[0] + kCrLf + huge + kCrLf + kEurope[3]);
    ASSERT_EQ(h.fakes.ui.messages.size(), 1u);
    EXPECT_NE(h.fakes.ui.messages[0].find(hu(u8"2. sor: túl hosszú sor")), Text::npos);
    EXPECT_EQ(col(dxcc_kereses(h.s, "OE3A"), 1, 3), "206");
}

TEST(CountryFile, AMissingFileGivesNoMessageAndNoCountry) {
    Home h(std::nullopt);
    EXPECT_TRUE(h.fakes.ui.messages.empty());
    EXPECT_EQ(col(dxcc_kereses(h.s, "HA5KDR"), 1, 3), "000");
}

TEST(CountryFile, UtfEightNamesAreReadAsCp1250) {
    const std::u8string_view line = u8R"(239,"HA","Magyarország","EU","28","15","HA")";
    CountryTable t = table_of({Text(line.begin(), line.end())});
    EXPECT_EQ(trim(col(t.dxcc_kereses("HA1A"), 13, 32)), hu(u8"Magyarország"));
}

TEST(CountrySession, CopiesOfTheSessionKeepAWorkingTable) {
    auto original = std::make_unique<Home>(file_of(kEurope));
    Session copy = original->s;
    Session moved = std::move(original->s);
    original.reset();
    EXPECT_EQ(col(dxcc_kereses(copy, "HA5KDR"), 1, 3), "239");
    EXPECT_EQ(col(dxcc_kereses(moved, "DL1ABC"), 1, 3), "230");
}

TEST(CountrySession, WorkedFlagsAreRebuiltFromTheLog) {
    Home h(file_of(kEurope));
    h.contest(ContestType::HaQrp);
    h.s.score.country_worked.assign(kCountrySlots, 1);  // stale flags from before
    for (const char* call : {"HA5AAA", "HG7BBB", "DL1ABC", "XX1XX", "OE1234567890ABCD"}) {
        h.s.log_lista.add(testing::qrp(call));
    }
    dxcc_vektor_feltoltes(h.s);
    std::vector<int> set;
    for (std::size_t i = 0; i < h.s.score.country_worked.size(); ++i) {
        if (h.s.score.country_worked[i]) set.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(set, (std::vector<int>{206, 230, 239}));
}

TEST(CountrySession, EdiCountryCount) {
    Home h(file_of(kEurope));
    h.contest(ContestType::Iaru);
    for (const char* call : {"HA5AAA", "DL1ABC", "HG7BBB", "XX1XX", "OE1A", "YY2YY"}) {
        h.s.log_lista.add(testing::general(call));
    }
    h.s.score.duplicate_flags = {0, 0, 0, 0, 1};  // the OE QSO is a duplicate
    dxcc_osszeszamlalas(h.s);
    EXPECT_EQ(h.s.sheet.tx_CDXCs, "2");
    EXPECT_EQ(h.s.score.distinct_country_count, 2);
    ASSERT_EQ(h.s.score.edi_dxcc_combo.items.size(), 2u);
    EXPECT_EQ(col(h.s.score.edi_dxcc_combo.items[0], 1, 3), "230");  // sorted
    EXPECT_EQ(col(h.s.score.edi_dxcc_combo.items[1], 1, 3), "239");
    EXPECT_EQ(h.s.score.edi_dxcc_combo.list_index, 0);
    EXPECT_EQ(h.s.score.country_qso_counts[239], 2);
    EXPECT_EQ(h.s.score.country_qso_counts[206], 0);
    EXPECT_EQ(h.s.score.new_country_flags, (std::vector<char>{1, 1, 0, 0, 0, 0}));
    // Unknown callsigns: one box listing them, not one per QSO.
    ASSERT_EQ(h.fakes.ui.messages.size(), 1u);
    EXPECT_EQ(h.fakes.ui.messages[0], "Unknown DXCC: XX1XX\r\nUnknown DXCC: YY2YY");

    // HA-QRP also shows the count in the distance field.
    h.contest(ContestType::HaQrp);
    h.s.log_lista.clear();
    h.s.score.duplicate_flags.clear();
    h.s.log_lista.add(testing::qrp("HA1A"));
    dxcc_osszeszamlalas(h.s);
    EXPECT_EQ(h.s.qso.tavolsag_text, "1");
}

TEST(DefaultData, MissingFilesAreCopiedAndTheOperatorsAreKept) {
    testing::TempHome home;
    const Paths p = make_paths(home.path());
    ASSERT_TRUE(prepare_folders(p).ok());
    const fs::path data = home.path() / "shipped";
    fs::create_directories(data);
    ASSERT_TRUE(write_file_atomic(data / kCountryFile, "shipped"));
    ASSERT_TRUE(write_file_atomic(data / "RU_oblast.txt", "oblasts"));
    ASSERT_TRUE(write_file_atomic(data / "README.md", "about"));
    ASSERT_TRUE(write_file_atomic(p.system_dir / kCountryFile, "mine"));
    install_default_data(p, data);
    EXPECT_EQ(read_file(p.system_dir / kCountryFile), "mine");
    EXPECT_EQ(read_file(p.system_dir / "RU_oblast.txt"), "oblasts");
    EXPECT_FALSE(fs::exists(p.system_dir / "README.md"));
}

}  // namespace
}  // namespace loxar
