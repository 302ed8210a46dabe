// The live duplicate search, the final duplicate check, marked duplicates and the serial check.
#include "core/duplicates.hpp"

#include <gtest/gtest.h>

#include "support/fake_ports.hpp"

namespace loxar {
namespace {

// A general-layout line; `time` is "hh:mm".
Text general(const Text& call, const Text& band, const Text& time = "11:29",
             const Text& mode = "SSB", const Text& number = "00001", const Text& sent = "0001") {
    return "2016-07-23/" + time + ":31=" + pad_cut(call, 20) + "=059/0001/JN96  /.=059/" + sent +
           "=" + pad_cut(mode, 3) + "=F=00001/00001=" + number +
           "=              =" + pad_cut(band, 7) + "=";
}

Text qrp(const Text& call, const Text& band) {
    return "2014-03-19/10:34:48=" + pad_cut(call, 16) +
           "=599/HISNAME       /DEBRECEN             =599=CW =00001="
           "OPNAME    =2=N=" +
           pad_cut(band, 7) + "=BUDAPEST";
}

Text nmark(const Text& call, const Text& band) {
    return "2014-03-19/10:34:48=" + pad_cut(call, 12) +
           "=059=HISNAME       /DEBRECEN             =599=CW =    "
           "00001=OPNAME    =1/2=" +
           pad_cut(band, 7) + "=BUDAPEST";
}

Text swl(const Text& call1, const Text& call2, const Text& band) {
    return "2024-05-04/12:30:15=" + pad_cut(band, 8) + "=CW =" + pad_cut(call1, 17) +
           "/059/00012   =" + pad_cut(call2, 17) + "/057/00007   =00001=";
}

struct Log {
    testing::FakePorts fakes;
    Session s;
    explicit Log(ContestType type, std::vector<Text> lines = {}) {
        s.ports = fakes.ports();
        s.qso = empty_qso_record();
        s.szabaly_combo.items = {contest_type_names().begin(), contest_type_names().end()};
        s.szabaly_combo.set(static_cast<int>(type));
        s.qso.band_text = "145 MHz";
        s.qso.log_ido = "2016-07-23/10:17:00";
        s.qso.mod_combo.set(1);  // SSB
        for (Text& l : lines) s.log_lista.add(std::move(l));
    }
    std::vector<Text> typed(const Text& call) {
        s.qso.kapott_hivojel_text = call;
        live_duplicate_search(s);
        return s.talalt_log_lista.items();
    }
    bool found_list_shown() { return s.view["talalt_log_lista"].visible; }
};

TEST(LiveSearch, ThreeCharactersOnTheCurrentBand) {
    Log log(ContestType::Iaru, {general("HA5AAA", "145 MHz"), general("HA5AAA", "435 MHz"),
                                general("HA7XYZ", "145 MHz"), general("DL/HA5BBB/P", "145 MHz")});
    log.s.log_lista.select_only(2);

    EXPECT_TRUE(log.typed("HA").empty());
    EXPECT_FALSE(log.found_list_shown());

    EXPECT_EQ(log.typed("HA5"),
              (std::vector<Text>{general("HA5AAA", "145 MHz"), general("DL/HA5BBB/P", "145 MHz")}));
    EXPECT_TRUE(log.found_list_shown());
    EXPECT_TRUE(log.s.talalt_log_lista.selected(0));
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
        {ContestType::HaQrp, qrp("HA5AAA", "145 MHz"), "A5A", true},
        {ContestType::Dx, qrp("W1ABCDEFGHIJKLMN", "145 MHz"), "LMN", true},
        {ContestType::Nmark, nmark("HA5AAA", "145 MHz"), "HA5AAA", true},
        {ContestType::Nmark, nmark("HA5AAA", "145 MHz"), "059",
         false},  // the report is no callsign
        {ContestType::Hadx, general("HA5AAA", "145 MHz"), "HA5AAA", true},
        {ContestType::Iaru, general("HA5AAA", "145 MHz"), "HA5AAB", false},
    };
    for (const Case& c : cases) {
        Log log(c.type, {c.line});
        EXPECT_EQ(log.typed(c.typed).size(), c.listed ? 1u : 0u) << c.line << " / " << c.typed;
    }
}

TEST(LiveSearch, RhObComparesTheTenMinutesAndTheModeNotTheBand) {
    Log log(ContestType::RhOb,
            {general("HA5AAA", "3,5 MHz", "10:25"), general("HA5AAA", "7 MHz", "11:12"),
             general("HA5AAA", "3,5 MHz", "11:14", "CW"), general("HA5AAA", "3,5 MHz", "10:19")});
    // Typed at 10:17 with SSB.
    EXPECT_EQ(log.typed("HA5AAA"), (std::vector<Text>{general("HA5AAA", "7 MHz", "11:12"),
                                                      general("HA5AAA", "3,5 MHz", "10:19")}));
}

TEST(LiveSearch, ListenerLogNeedsBothStations) {
    Log log(ContestType::Swl,
            {swl("HA1AAA", "HA2BBB", "145 MHz"), swl("HA1AAA", "HA3CCC", "145 MHz"),
             swl("HA1AAA", "HA2BBB", "435 MHz")});
    log.s.qso.hivojel_2_text = "HA";
    EXPECT_TRUE(log.typed("HA1AAA").empty());
    EXPECT_FALSE(log.found_list_shown());
    log.s.qso.hivojel_2_text = "HA2";
    EXPECT_EQ(log.typed("HA1"), (std::vector<Text>{swl("HA1AAA", "HA2BBB", "145 MHz")}));
    EXPECT_TRUE(log.found_list_shown());
    // The plain search is not used for a listener's log: it would read the band elsewhere.
    log.s.qso.hivojel_2_text.clear();
    EXPECT_TRUE(log.typed("HA1AAA").empty());
}

TEST(LiveSearch, DoubleClickSelectsTheLineInTheLog) {
    Log log(ContestType::Iaru, {general("HA5AAA", "145 MHz", "10:00"), general("HA7XYZ", "145 MHz"),
                                general("HA5AAA", "145 MHz", "10:30")});
    log.s.log_lista.select_only(1);
    log.typed("HA5AAA");
    talalt_log_lista_DblClick(log.s, 1);
    EXPECT_EQ(log.s.log_lista.first_selected(), 2);
    EXPECT_FALSE(log.s.log_lista.selected(1));
    talalt_log_lista_DblClick(log.s, 7);  // no such row: nothing changes
    EXPECT_EQ(log.s.log_lista.first_selected(), 2);
}

TEST(FinalCheck, FindsTheFirstRepeatOfCallsignAndBand) {
    Log dup(ContestType::Iaru, {general("HA5AAA", "145 MHz", "10:00", "SSB", "00001"),
                                general("HA5AAA", "435 MHz", "10:05", "SSB", "00002"),
                                general("HA5AAA", "145 MHz", "10:10", "CW", "00003")});
    dup.s.panel = Panel::Aprosag;
    EXPECT_EQ(dupla_ellenorzes(dup.s), -1);
    EXPECT_EQ(dup.s.log_lista.first_selected(), 2);
    EXPECT_EQ(dup.s.panel, Panel::Log);
    EXPECT_EQ(dup.fakes.ui.messages, std::vector<Text>{hu(u8"Dupla hívójelet találtam 00003 !")});
    EXPECT_EQ(dup.fakes.ui.beeps, 1);

    Log clean(ContestType::CqwwVhf, {general("HA5AAA", "145 MHz"), general("HA5AAA", "435 MHz")});
    EXPECT_EQ(dupla_ellenorzes(clean.s), 0);
    EXPECT_EQ(clean.fakes.ui.messages, std::vector<Text>{hu(u8"Dupla hívójel nem található!")});

    Log other(ContestType::Hadx, {general("HA5AAA", "145 MHz"), general("HA5AAA", "145 MHz")});
    EXPECT_EQ(dupla_ellenorzes(other.s), 0);
    EXPECT_TRUE(other.fakes.ui.messages.empty());
}

TEST(FinalCheck, LongLogsAndMarkedDuplicates) {
    std::vector<Text> lines;
    for (long i = 1; i <= 6000; ++i)
        lines.push_back(
            general("HA" + std::to_string(i), "145 MHz", "11:29", "SSB", zero_pad(i, 5)));
    lines.push_back(general("HA5999", "145 MHz", "11:29", "SSB", "06001"));
    Log log(ContestType::Iaru, lines);
    EXPECT_EQ(dupla_ellenorzes(log.s), -1);
    EXPECT_EQ(log.s.log_lista.first_selected(), 6000);

    // Once the operator marks the second QSO with "D", it no longer stops the evaluation.
    Text marked = lines.back();
    marked[0] = 'D';
    log.s.log_lista.set(6000, marked);
    EXPECT_EQ(dupla_ellenorzes(log.s), 0);
}

TEST(MarkedDuplicates, OneFlagPerLineHoweverLong) {
    Log log(ContestType::Iaru);
    for (long i = 0; i < 1200; ++i) {
        Text line = general("HA" + std::to_string(i), "145 MHz");
        if (i == 5 || i == 1100) line[0] = 'D';
        log.s.log_lista.add(line);
    }
    log.s.duplicate_flags.assign(2000, 1);  // left over from an earlier log
    dupla_osszeszamolas(log.s);
    ASSERT_EQ(log.s.duplicate_flags.size(), 1200u);
    for (std::size_t i = 0; i < 1200; ++i)
        EXPECT_EQ(log.s.duplicate_flags[i] != 0, i == 5 || i == 1100) << i;
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
            log.s.log_lista.add(general("HA5AAA", "145 MHz", "11:29", "SSB", "00001", sent));
        sorszam_ellenorzes(log.s);
        EXPECT_EQ(log.fakes.ui.messages, c.messages);
        EXPECT_EQ(log.fakes.ui.beeps, c.messages.empty() ? 0 : 1);
    }
}

}  // namespace
}  // namespace loxar
