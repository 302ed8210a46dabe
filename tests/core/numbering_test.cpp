// Next numbers and renumbering as the operator and the stored log see them.
#include "core/numbering.hpp"

#include <gtest/gtest.h>

#include "core/qso_line.hpp"
#include "support/fake_ports.hpp"

namespace loxar {
namespace {

// A general-layout line with its log sequence number.
Text general(const Text& call, const Text& number) {
    return "2016-07-23/11:29:31=" + pad_cut(call, 20) +
           "=059/0001/JN96  /.=059/0001=SSB=F=00001/00001=" + number + "=              =145 MHz=";
}

// A listener's line: the second station's serial in columns 87-94, the number in 96-100.
Text swl(const Text& second_serial, const Text& number) {
    return "2024-05-04/12:30:15=145 MHz =CW =HA1AAA           /059/00012   =HA2BBB           "
           "/057/" +
           pad_cut(second_serial, 8) + "=" + number + "=";
}

struct Numbers {
    testing::FakePorts fakes;
    Session s;
    explicit Numbers(ContestType type, std::initializer_list<Text> lines = {}) {
        s.ports = fakes.ports();
        s.qso = empty_qso_record();
        s.szabaly_combo.items = {contest_type_names().begin(), contest_type_names().end()};
        s.szabaly_combo.set(static_cast<int>(type));
        s.station.exch_text = "B";
        s.qso.qth_text = "BUDAPEST";
        s.qso.kezelo_text = "OPNAME";
        for (const Text& l : lines) s.log_lista.add(l);
    }
};

TEST(NextNumber, LargestNumberCountsNotTheCount) {
    Numbers empty(ContestType::Iaru);
    kovetkezo_sorszam_rutin(empty.s);
    EXPECT_EQ(empty.s.qso.log_sorszam_text, "00001");
    EXPECT_EQ(empty.s.qso.kuldott_sorszam_text, "1");

    Numbers gaps(ContestType::Iaru, {general("XX1AAA", "00001"), general("XX2BBB", "00007"),
                                     general("XX3CCC", "00002")});
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
        {ContestType::None, "3"},         {ContestType::CqBp, "3"},
        {ContestType::RhOb, "3"},         {ContestType::Exchange, "3"},
        {ContestType::RudxTwo, "3"},      {ContestType::Ref, "3"},
        {ContestType::YlOm, "B"},         {ContestType::Hadx, "B"},
        {ContestType::SilentKeyMem, "B"}, {ContestType::CqwwVhf, "0"},
        {ContestType::Hskc, "003B"},      {ContestType::HaQrp, "BUDAPEST"},
        {ContestType::Dx, "BUDAPEST"},    {ContestType::Nmark, "kept"},
        {ContestType::Swl, "kept"},
    };
    for (const Case& c : cases) {
        Numbers n(c.type, {general("XX1AAA", "00001"), general("XX2BBB", "00002")});
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
    Numbers n(ContestType::Iaru,
              {general("XX1AAA", "00001"), general("XX2BBB", "00002"), general("XX3CCC", "00003")});
    n.s.log_lista.remove(1);
    sorszamozas(n.s);
    ASSERT_EQ(n.s.log_lista.size(), 2u);
    EXPECT_EQ(n.s.log_lista.at(0), general("XX1AAA", "00001"));
    EXPECT_EQ(n.s.log_lista.at(1), general("XX3CCC", "00002"));
    kovetkezo_sorszam_rutin(n.s);
    EXPECT_EQ(n.s.qso.log_sorszam_text, "00003");

    Numbers empty(ContestType::Iaru);
    sorszamozas(empty.s);
    EXPECT_TRUE(empty.s.log_lista.empty());
}

TEST(Renumber, ListenerLogKeepsTheSecondStationsSerial) {
    Numbers n(ContestType::Swl, {swl("00012", "00005"), swl("KA", "00009"), swl("99999", "00002")});
    sorszamozas(n.s);
    EXPECT_EQ(n.s.log_lista.at(0), swl("00012", "00001"));
    EXPECT_EQ(n.s.log_lista.at(1), swl("KA", "00002"));
    EXPECT_EQ(n.s.log_lista.at(2), swl("99999", "00003"));
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
