// The Russian oblast table: its entries, reading RU_oblast.txt, and the oblast of a callsign.
#include "session/oblast_table.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "model/file_io.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;

struct Oblast {
    Text key, name, exchange, continent;
};
// What the QSO entry reads from an entry.
Oblast read(const Text& e) {
    using namespace oblast_col;
    return {col(e, kKey, kKeyWidth), trim(col(e, kName, kNameWidth)), col(e, kExchange, kExchangeWidth),
            col(e, kContinent, kContinentWidth)};
}
bool operator==(const Oblast& a, const Oblast& b) {
    return a.key == b.key && a.name == b.name && a.exchange == b.exchange && a.continent == b.continent;
}
std::ostream& operator<<(std::ostream& o, const Oblast& b) {
    return o << b.key << "|" << b.name << "|" << b.exchange << "|" << b.continent;
}

const std::vector<Text> kEntries = {
    oblast_entry({"R1A", "1A", "St. Petersburg (city)", "SP", "16", "29", "EU"}),
    oblast_entry({"R2F", "2F", "Kaliningrad Oblast", "KA", "15", "29", "EU"}),
    oblast_entry({"R2A", "2A", "Moscow (city)", "MA", "16", "29", "EU"}),
    oblast_entry({"R9X", "9X", "Komi Republic", "KO", "17", "20", "EU"}),
    oblast_entry({"R0K", "0K", "Chukotka AO", "CK", "19", "25", "AS"}),
};

TEST(OblastEntry, ColumnsTheEntryReadersCut) {
    EXPECT_EQ(kEntries[0], "R1A 1A St. Petersburg (city)     SP 16 29 EU");
    EXPECT_EQ(read(kEntries[4]), (Oblast{"0K", "Chukotka AO", "CK", "AS"}));
    // Short first fields and a long name cannot move the columns.
    const Text e = oblast_entry({"R", "5", "A name much longer than the column", "X", "1", "2", "E"});
    EXPECT_EQ(read(e), (Oblast{"5 ", "A name much longer than", "X ", "E "}));
    EXPECT_EQ(e.size(), 44u);
}

TEST(OblastFile, BadLinesAreReportedAndSkipped) {
    const Text bytes =
        "\xEF\xBB\xBF"
        "R1A,1A,\"St. Petersburg (city)\",SP,16,29,EU\r\n"
        "key,name,rdxc_code,cq_zone,itu_zone,continent\r\n"  // six fields
        "\r\n"
        "R2F,2F,\"Kaliningrad Oblast\",KA,15,29,EU,extra\n"                 // eight fields
        "R3A,3A,\"Moskva \xC3\xA9s k\xC3\xB6rny\xC3\xA9ke\",MA,16,29,EU\n"  // UTF-8
        "R0K,0K,Chukotka AO,CK,19,25,AS";
    const OblastRead r = parse_oblast_file(bytes);
    ASSERT_EQ(r.entries.size(), 3u);
    EXPECT_EQ(read(r.entries[0]), (Oblast{"1A", "St. Petersburg (city)", "SP", "EU"}));
    EXPECT_EQ(read(r.entries[1]), (Oblast{"3A", hu(u8"Moskva és környéke"), "MA", "EU"}));
    EXPECT_EQ(read(r.entries[2]), (Oblast{"0K", "Chukotka AO", "CK", "AS"}));
    EXPECT_EQ(r.bad_lines, (std::vector<std::size_t>{2, 4}));
    EXPECT_TRUE(parse_oblast_file("").entries.empty());
}

TEST(OblastLookup, KeysOfRussianCallsigns) {
    const Text unknown = kOblastUnknownCall, none = kOblastNotFound;
    const std::pair<Text, Oblast> cases[] = {
        {"R1AB", {"1A", "St. Petersburg (city)", "SP", "EU"}},
        {"UA1ABC", {"1A", "St. Petersburg (city)", "SP", "EU"}},
        {"RA9XA", {"9X", "Komi Republic", "KO", "EU"}},
        {"UA2FAA/P", {"2F", "Kaliningrad Oblast", "KA", "EU"}},
        {"R12ABC", {"2A", "Moscow (city)", "MA", "EU"}},  // 2 and 3 digits: the second try
        // The stations outside the call areas: their exchange, name and continent in the usual columns.
        {"R1ANA", {"AN", "Antarctica", "AN", "AN"}},
        {"R1FJL", {"FJ", "Franz Josef Land", "FJ", "EU"}},
    };
    for (const auto& [call, oblast] : cases) EXPECT_EQ(read(oblast_lookup(kEntries, call)), oblast) << call;

    const std::pair<Text, Text> texts[] = {
        {"R123AB", unknown}, {"RA", unknown}, {"", unknown}, {"R", unknown},
        {"DLA", unknown},    {"R5ZZ", none},  {"R1", none},
    };
    for (const auto& [call, result] : texts) EXPECT_EQ(oblast_lookup(kEntries, call), result) << call;
    // Neither gives an exchange.
    EXPECT_EQ(trim(col(unknown, 34, 2)), "");
    EXPECT_EQ(trim(col(none, 34, 2)), "");
}

struct Home : testing::Home {
    Home() { prepare(); }
    fs::path file() const { return system_file(kOblastFile); }
};

TEST(OblastLoad, MissingFileLeavesTheTable) {
    Home h;
    h.s.db.exchange_lista.add(kEntries[0]);
    const Text status = ru_exchange_toltes(h.s);
    EXPECT_EQ(status, "DXCC (" + text_path(h.file()) + hu(u8") nem található!"));
    EXPECT_EQ(h.s.db.ru_exchange_status, status);
    EXPECT_EQ(h.s.db.exchange_lista.size(), 1u);
    EXPECT_TRUE(h.fakes.ui.messages.empty());
}

TEST(OblastLoad, FileReplacesTheTable) {
    Home h;
    h.s.db.exchange_lista.add("old entry");
    ASSERT_TRUE(
        write_file_atomic(h.file(), "R2F,2F,Kaliningrad Oblast,KA,15,29,EU\r\nR1A,1A,SPb,SP,16,29,EU\r\n"));
    EXPECT_EQ(ru_exchange_toltes(h.s), "RU_EXCHANGE beolvasva!");
    ASSERT_EQ(h.s.db.exchange_lista.size(), 2u);
    EXPECT_EQ(h.s.db.exchange_lista.list_index, 0);
    EXPECT_EQ(read(ru_exchange_kereses(h.s, "UA1AZ")), (Oblast{"1A", "SPb", "SP", "EU"}));

    ASSERT_TRUE(write_file_atomic(h.file(), "broken line\r\nR1A,1A,SPb,SP,16,29,EU\r\n"));
    EXPECT_EQ(ru_exchange_toltes(h.s), "RU_EXCHANGE beolvasva!" + hu(u8" Hibás sorok kihagyva: 1"));
    EXPECT_EQ(h.s.db.exchange_lista.size(), 1u);

    ASSERT_TRUE(write_file_atomic(h.file(), ""));
    EXPECT_EQ(ru_exchange_toltes(h.s), "RU_EXCHANGE beolvasva!");
    EXPECT_TRUE(h.s.db.exchange_lista.empty());
    EXPECT_EQ(h.s.db.exchange_lista.list_index, -1);
}

TEST(ShippedOblastFile, EveryLineIsAnEntry) {
    const fs::path file = fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / kOblastFile;
    const std::optional<Text> bytes = read_file(file);
    ASSERT_TRUE(bytes) << file;
    const std::vector<Text> lines = split_lines(*bytes);
    EXPECT_EQ(bytes->find("\r\n"), bytes->find('\n') - 1);  // CR LF line ends
    const OblastRead r = parse_oblast_file(*bytes);
    EXPECT_TRUE(r.bad_lines.empty());
    EXPECT_EQ(r.entries.size(), lines.size());
    std::set<Text> keys;
    const std::regex key("[0-9][A-Z]"), letters("[A-Z][A-Z]");
    for (const Text& e : r.entries) {
        const Oblast o = read(e);
        EXPECT_TRUE(std::regex_match(o.key, key)) << e;
        EXPECT_TRUE(keys.insert(o.key).second) << "key twice: " << e;
        EXPECT_TRUE(std::regex_match(o.exchange, letters)) << e;
        EXPECT_TRUE(o.continent == "EU" || o.continent == "AS") << e;
        EXPECT_EQ(o.name, trim(col(e, 8, 24))) << "name cut: " << e;
    }
    EXPECT_EQ(read(oblast_lookup(r.entries, "UA2FAA")).exchange, "KA");
    EXPECT_EQ(read(oblast_lookup(r.entries, "R3AA")).exchange, "MA");
}

}  // namespace
}  // namespace loxar
