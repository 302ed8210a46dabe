// Next numbers and renumbering as the operator and the stored log see them.
#include "session/numbering.hpp"

#include <gtest/gtest.h>

#include "model/qso_line.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

using testing::general;

// A listener's line with the second station's serial and the log number.
Text swl(const Text& second_serial, long number) {
    return testing::swl("HA1AAA", "HA2BBB", "145 MHz", second_serial, number);
}

struct Numbers : testing::Unstarted {
    explicit Numbers(ContestType type, const std::vector<Text>& lines = {}) : Unstarted(type, lines) {
        s.station.exch_text = "B";
        s.qso.qth_text = "BUDAPEST";
        s.qso.kezelo_text = "OPNAME";
    }
};

TEST(NextNumber, LargestNumberCountsNotTheCount) {
    Numbers empty(ContestType::Iaru);
    kovetkezo_sorszam_rutin(empty.s);
    EXPECT_EQ(empty.s.qso.log_sorszam_text, "00001");
    EXPECT_EQ(empty.s.qso.kuldott_sorszam_text, "1");

    Numbers gaps(ContestType::Iaru, {general("XX1AAA", 1), general("XX2BBB", 7), general("XX3CCC", 2)});
    kovetkezo_sorszam_rutin(gaps.s);
    EXPECT_EQ(gaps.s.qso.log_sorszam_text, "00008");
    EXPECT_EQ(gaps.s.qso.kuldott_sorszam_text, "8");
}

TEST(NextNumber, SentSerialByContestType) {
    struct Case {
        ContestType type;
        Text sent;
    };
    const Case cases[] = {
        // One type of each way of filling the sent field.
        {ContestType::None, "3"},    {ContestType::YlOm, "B"},         {ContestType::CqwwVhf, "0"},
        {ContestType::Hskc, "003B"}, {ContestType::HaQrp, "BUDAPEST"}, {ContestType::Nmark, "kept"},
    };
    for (const Case& c : cases) {
        Numbers n(c.type, {general("XX1AAA", 1), general("XX2BBB", 2)});
        n.s.qso.kuldott_sorszam_text = "kept";
        kovetkezo_sorszam_rutin(n.s);
        EXPECT_EQ(n.s.qso.kuldott_sorszam_text, c.sent) << static_cast<int>(c.type);
        EXPECT_EQ(n.s.qso.log_sorszam_text, "00003") << static_cast<int>(c.type);
    }
    Numbers qrp(ContestType::HaQrp);
    kovetkezo_sorszam_rutin(qrp.s);
    EXPECT_EQ(qrp.s.qso.kuldott_nev_text, "OPNAME");
}

TEST(Renumber, DeletingTheMiddleOfThree) {
    Numbers n(ContestType::Iaru, {general("XX1AAA", 1), general("XX2BBB", 2), general("XX3CCC", 3)});
    n.s.log_lista.remove(1);
    sorszamozas(n.s);
    ASSERT_EQ(n.s.log_lista.size(), 2u);
    EXPECT_EQ(n.s.log_lista.at(0), general("XX1AAA", 1));
    EXPECT_EQ(n.s.log_lista.at(1), general("XX3CCC", 2));
    kovetkezo_sorszam_rutin(n.s);
    EXPECT_EQ(n.s.qso.log_sorszam_text, "00003");

    Numbers empty(ContestType::Iaru);
    sorszamozas(empty.s);
    EXPECT_TRUE(empty.s.log_lista.empty());
}

TEST(Renumber, ListenerLogKeepsTheSecondStationsSerial) {
    Numbers n(ContestType::Swl, {swl("00012", 5), swl("KA", 9), swl("99999", 2)});
    sorszamozas(n.s);
    EXPECT_EQ(n.s.log_lista.at(0), swl("00012", 1));
    EXPECT_EQ(n.s.log_lista.at(1), swl("KA", 2));
    EXPECT_EQ(n.s.log_lista.at(2), swl("99999", 3));
    // The second station's serial 99999 is no log number.
    kovetkezo_sorszam_rutin(n.s);
    EXPECT_EQ(n.s.qso.log_sorszam_text, "00004");
}

TEST(NextNumber, ListenerQsosAreNumberedOneTwoThree) {
    Numbers n(ContestType::Swl);
    n.s.qso.log_ido = "2024-05-04/12:30:15";
    n.s.qso.band_text = "145 MHz";
    n.s.qso.mod_combo.set(2);
    n.s.qso.kapott_hivojel_text = "HA1AAA";
    n.s.qso.hivojel_2_text = "HA2BBB";
    n.s.qso.kapott_riport_text = "59";
    n.s.qso.kuldott_riport_text = "57";
    n.s.qso.kapott_sorszam_text = "12";
    n.s.qso.kuldott_sorszam_text = "7";
    for (int i = 0; i < 3; ++i) {
        kovetkezo_sorszam_rutin(n.s);
        short funkcio = kFunkcioNew;
        n.s.log_lista.add(SWL_log_sor_osszeallitas(n.s.qso, funkcio));
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const Text& line = n.s.log_lista.at(i);
        EXPECT_EQ(col(line, 96, 5), zero_pad(static_cast<long>(i) + 1, 5));
        EXPECT_EQ(col(line, 87, 8), "00007   ");
    }
    EXPECT_EQ(n.s.qso.kuldott_sorszam_text, "7");
}

}  // namespace
}  // namespace loxar
