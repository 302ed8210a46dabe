// The live duplicate search, the final duplicate check, marked duplicates and the serial check.
#include "session/duplicates.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "support/started_session.hpp"

namespace loxar {
namespace {

using testing::general;
using testing::nmark;
using testing::qrp;
using testing::swl;

// A started window typing an SSB QSO at 10:17 on 145 MHz, with `lines` in the log.
struct Log : testing::Started {
    explicit Log(ContestType type, const std::vector<Text>& lines = {}) : Started(type) {
        s.qso.log_ido = "2016-07-23/10:17:00";
        s.qso.mod_combo.set(1);
        log(lines);
    }
    std::vector<Text> typed(const Text& call) {
        s.qso.kapott_hivojel_text = call;
        live_duplicate_search(s);
        return s.worked.talalt_log_lista.items();
    }
    bool found_list_shown() { return s.view[Control::talalt_log_lista].visible; }
};

TEST(LiveSearch, ThreeCharactersOnTheCurrentBand) {
    Log log(ContestType::Iaru,
            {general("HA5AAA"), general("HA5AAA", 1, "435 MHz"), general("HA7XYZ"), general("DL/HA5BBB/P")});
    log.s.log_lista.select_only(2);

    EXPECT_TRUE(log.typed("HA").empty());
    EXPECT_FALSE(log.found_list_shown());

    EXPECT_EQ(log.typed("HA5"), (std::vector<Text>{general("HA5AAA"), general("DL/HA5BBB/P")}));
    EXPECT_TRUE(log.found_list_shown());
    EXPECT_TRUE(log.s.worked.talalt_log_lista.selected(0));
    EXPECT_TRUE(log.s.log_lista.selected(2));  // the log list keeps its selection

    EXPECT_TRUE(log.typed("HA5Z").empty());
    EXPECT_FALSE(log.found_list_shown());

    // Going back below three characters also empties the list, so adding a QSO does not ask
    // about a callsign typed before.
    log.typed("HA5");
    EXPECT_TRUE(log.typed("H").empty());
    EXPECT_FALSE(log.found_list_shown());
    EXPECT_TRUE(log.fakes.ui.messages.empty());
}

TEST(LiveSearch, CallsignColumnsOfEachLayout) {
    struct Case {
        ContestType type;
        Text line;
        Text typed;
        bool listed;
    };
    const Case cases[] = {
        {ContestType::HaQrp, qrp("HA5AAA", "7 MHz"), "HA5", false},  // another band
        {ContestType::HaQrp, qrp("HA5AAA"), "A5A", true},
        {ContestType::Dx, qrp("W1ABCDEFGHIJKLMN"), "LMN", true},
        {ContestType::Nmark, nmark("HA5AAA"), "HA5AAA", true},
        {ContestType::Nmark, nmark("HA5AAA"), "059", false},  // the report is no callsign
    };
    for (const Case& c : cases) {
        Log log(c.type, {c.line});
        EXPECT_EQ(log.typed(c.typed).size(), c.listed ? 1u : 0u) << c.line << " / " << c.typed;
    }
}

TEST(LiveSearch, RhObComparesTheTenMinutesAndTheModeNotTheBand) {
    const Text found[] = {general("HA5AAA", 1, "7 MHz", "11:12"), general("HA5AAA", 1, "3,5 MHz", "10:19")};
    Log log(ContestType::RhOb, {general("HA5AAA", 1, "3,5 MHz", "10:25"), found[0],
                                general("HA5AAA", 1, "3,5 MHz", "11:14", "CW"), found[1]});
    // Typed at 10:17 with SSB.
    EXPECT_EQ(log.typed("HA5AAA"), (std::vector<Text>{found[0], found[1]}));
}

TEST(LiveSearch, ListenerLogNeedsBothStations) {
    Log log(ContestType::Swl, {swl(), swl("HA1AAA", "HA3CCC"), swl("HA1AAA", "HA2BBB", "435 MHz")});
    log.s.qso.hivojel_2_text = "HA";
    EXPECT_TRUE(log.typed("HA1AAA").empty());
    EXPECT_FALSE(log.found_list_shown());
    log.s.qso.hivojel_2_text = "HA2";
    EXPECT_EQ(log.typed("HA1"), (std::vector<Text>{swl()}));
    EXPECT_TRUE(log.found_list_shown());
    // The plain search is not used for a listener's log: it would read the band elsewhere.
    log.s.qso.hivojel_2_text.clear();
    EXPECT_TRUE(log.typed("HA1AAA").empty());
}

// The search reads an index kept with the log; whatever changed the log, it finds what a scan
// of every line finds, in log order.
TEST(LiveSearch, FindsWhatAScanFindsAfterEveryChangeOfTheLog) {
    Log log(ContestType::Iaru, {general("HA5AAA"), general("DL/HA5AAA/P"), general("HA5AAA", 2, "435 MHz")});
    auto scan = [&log](const Text& typed) {
        const std::size_t width = log.s.contest() == ContestType::Nmark ? 12 : 20;
        std::vector<Text> found;
        for (const Text& line : log.s.log_lista.items()) {
            if (trim(col(line, 21, width)).find(typed) != Text::npos && trim(col(line, 108, 7)) == "145 MHz")
                found.push_back(line);
        }
        return found;
    };
    struct Step {
        const char* change;
        std::function<void(Session&)> apply;
    };
    const Step steps[] = {
        {"none", [](Session&) {}},
        {"add", [](Session& s) { s.log_lista.add(general("OE5AAA")); }},
        {"set", [](Session& s) { s.log_lista.set(0, general("HA7BBB")); }},
        {"remove", [](Session& s) { s.log_lista.remove(1); }},
        {"clear", [](Session& s) { s.log_lista.clear(); }},
        {"add after clear", [](Session& s) { s.log_lista.add(general("HA5AAB/PORTABLE")); }},
        // A narrower callsign field, then the wider one again: "TABLE" lies beyond the narrow one.
        {"contest type", [](Session& s) { s.szabaly_combo.set(static_cast<int>(ContestType::Nmark)); }},
        {"set again", [](Session& s) { s.log_lista.set(0, s.log_lista.at(0)); }},
        {"contest type back", [](Session& s) { s.szabaly_combo.set(static_cast<int>(ContestType::Iaru)); }},
        {"whole list replaced",
         [](Session& s) {
             ListBox other;
             other.add(general("S51AAA"));
             other.add(general("HA5AAA"));
             s.log_lista = other;
         }},
    };
    for (const Step& step : steps) {
        step.apply(log.s);
        for (const Text typed : {"HA5", "5AA", "AAA", "HA7BBB", "OE5", "TABLE", "S51"})
            EXPECT_EQ(log.typed(typed), scan(typed)) << step.change << " / " << typed;
    }
}

TEST(LiveSearch, DoubleClickSelectsTheLineInTheLog) {
    Log log(ContestType::Iaru, {general("HA5AAA", 1, "145 MHz", "10:00"), general("HA7XYZ"),
                                general("HA5AAA", 1, "145 MHz", "10:30")});
    log.s.log_lista.select_only(1);
    log.typed("HA5AAA");
    talalt_log_lista_DblClick(log.s, 1);
    EXPECT_EQ(log.s.log_lista.first_selected(), 2);
    EXPECT_FALSE(log.s.log_lista.selected(1));
    talalt_log_lista_DblClick(log.s, 7);  // no such row: nothing changes
    EXPECT_EQ(log.s.log_lista.first_selected(), 2);
}

TEST(FinalCheck, FindsTheFirstRepeatOfCallsignAndBand) {
    Log dup(ContestType::Iaru,
            {general("HA5AAA", 1, "145 MHz", "10:00"), general("HA5AAA", 2, "435 MHz", "10:05"),
             general("HA5AAA", 3, "145 MHz", "10:10", "CW")});
    dup.s.panel = Panel::Aprosag;
    EXPECT_FALSE(dupla_ellenorzes(dup.s));
    EXPECT_EQ(dup.s.log_lista.first_selected(), 2);
    EXPECT_EQ(dup.s.panel, Panel::Log);
    EXPECT_EQ(dup.fakes.ui.messages, std::vector<Text>{hu(u8"Dupla hívójelet találtam 00003 !")});
    EXPECT_EQ(dup.fakes.ui.beeps, 1);

    Log clean(ContestType::CqwwVhf, {general("HA5AAA"), general("HA5AAA", 1, "435 MHz")});
    EXPECT_TRUE(dupla_ellenorzes(clean.s));
    EXPECT_EQ(clean.fakes.ui.messages, std::vector<Text>{hu(u8"Dupla hívójel nem található!")});

    Log other(ContestType::Hadx, {general("HA5AAA"), general("HA5AAA")});
    EXPECT_TRUE(dupla_ellenorzes(other.s));
    EXPECT_TRUE(other.fakes.ui.messages.empty());
}

TEST(FinalCheck, LongLogsAndMarkedDuplicates) {
    std::vector<Text> lines;
    for (long i = 1; i <= 6000; ++i) lines.push_back(general("HA" + std::to_string(i), i));
    lines.push_back(general("HA5999", 6001));
    Log log(ContestType::Iaru, lines);
    EXPECT_FALSE(dupla_ellenorzes(log.s));
    EXPECT_EQ(log.s.log_lista.first_selected(), 6000);

    // Once the operator marks the second QSO with "D", it no longer stops the evaluation.
    Text marked = lines.back();
    marked[0] = 'D';
    log.s.log_lista.set(6000, marked);
    EXPECT_TRUE(dupla_ellenorzes(log.s));
}

TEST(MarkedDuplicates, OneFlagPerLineHoweverLong) {
    Log log(ContestType::Iaru);
    for (long i = 0; i < 1200; ++i) {
        Text line = general("HA" + std::to_string(i));
        if (i == 5 || i == 1100) line[0] = 'D';
        log.s.log_lista.add(line);
    }
    log.s.score.duplicate_flags.assign(2000, 1);  // left over from an earlier log
    dupla_osszeszamolas(log.s);
    ASSERT_EQ(log.s.score.duplicate_flags.size(), 1200u);
    for (std::size_t i = 0; i < 1200; ++i)
        EXPECT_EQ(log.s.score.duplicate_flags[i] != 0, i == 5 || i == 1100) << i;
}

TEST(SerialCheck, ReportsTheFirstBreak) {
    struct Case {
        std::vector<Text> sent;
        std::vector<Text> messages;
    };
    const Case cases[] = {
        {{"0001", "0002", "0003"}, {}},
        {{"0001", "0002", "0004", "0005"}, {hu(u8"Sorszám hiba a 3. sorban!")}},
        {{"0002"}, {hu(u8"Sorszám hiba a 1. sorban!")}},
        {{"0001", "KA  "}, {hu(u8"Sorszám hiba a 2. sorban!")}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        Log log(ContestType::Iaru);
        for (const Text& sent : c.sent)
            log.s.log_lista.add(general("HA5AAA", 1, "145 MHz", "11:29", "SSB", sent));
        sorszam_ellenorzes(log.s);
        EXPECT_EQ(log.fakes.ui.messages, c.messages);
        EXPECT_EQ(log.fakes.ui.beeps, c.messages.empty() ? 0 : 1);
    }
}

}  // namespace
}  // namespace loxar
