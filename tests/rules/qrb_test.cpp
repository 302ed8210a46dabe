// The distance, points and bearing fields of the QSO being entered, per contest type.
#include "session/qrb.hpp"

#include <gtest/gtest.h>

#include "session/startup.hpp"
#include "support/fake_ports.hpp"

namespace loxar {
namespace {

struct Entry {
    testing::FakePorts fakes;
    Session s;
    explicit Entry(ContestType t) {
        s.ports = fakes.ports();
        form_inic(s);
        s.szabaly_combo.set(static_cast<int>(t));
        s.station.QRA_text = "JN97MM";
        s.szorzo_text = "1";
    }
    void fields(const char* distance, const char* points, const char* bearing) {
        s.qso.tavolsag_text = distance;
        s.qso.pontszam_text = points;
        s.iranyszog_text = bearing;
    }
    std::vector<Text> shown() const { return {s.qso.tavolsag_text, s.qso.pontszam_text, s.iranyszog_text}; }
};

using Fields = std::vector<Text>;

TEST(Qrb, LocatorCheckByContestType) {
    struct Case {
        ContestType type;
        const char* text;
        bool result;
        const char* trimmed;
    };
    // The format rules themselves are Locator.EntryFormatCheck's; here which types apply them.
    const Case cases[] = {
        {ContestType::Iaru, " JN97AA ", 1, "JN97AA"},
        {ContestType::Iaru, "JN97", 1, "JN97"},
        {ContestType::Iaru, "", 0, ""},
        {ContestType::None, "jn97aa", 0, "jn97aa"},
        {ContestType::CqwwVhf, "JN97A", 1, "JN97A"},
        {ContestType::Hadx, " jn ", 1, "jn"},
        {ContestType::HaQrp, "", 1, ""},
        {ContestType::Swl, "x", 1, "x"},
    };
    for (const auto& c : cases) {
        Entry e(c.type);
        Text loc = c.text;
        EXPECT_EQ(QRA_ellenorzes(e.s, loc), c.result) << c.text;
        EXPECT_EQ(loc, c.trimmed) << c.text;
        if (c.result == 0) {
            EXPECT_EQ(e.fakes.ui.beeps, 1) << c.text;
            ASSERT_EQ(e.fakes.ui.messages.size(), 1u) << c.text;
            EXPECT_EQ(e.fakes.ui.messages[0], hu(u8"Hibás QRA formátum!"));
        } else {
            EXPECT_TRUE(e.fakes.ui.messages.empty()) << c.text;
        }
    }
    Entry unchosen(ContestType::Iaru);
    unchosen.s.szabaly_combo.list_index = -1;  // no selection is checked like "..."
    Text loc = "jn97aa";
    EXPECT_FALSE(QRA_ellenorzes(unchosen.s, loc));
}

TEST(Qrb, DistanceFieldsByType) {
    struct Case {
        ContestType type;
        const char* received;
        const char* multiplier;
        Fields shown;
        short band = -1;             // -1: as the start left it
        int own = -1, partner = -1;  // YL-OM sex selectors: 0 ".....", 1 "Nő", 2 "Férfi"
    };
    const Case cases[] = {
        {ContestType::Iaru, "KN08AA", "1", {"00093", "00093", "53"}},
        {ContestType::Iaru, "KN08AA", "3", {"00093", "00279", "53"}},
        {ContestType::CqBp, "PM95TQ", "32767", {"09034", "296017078", "45"}},
        {ContestType::Iaru, "JN97", "1", {"00000", "00000", ""}},
        {ContestType::None, "AA00AA", "1", {"00000", "00000", ""}},
        {ContestType::Iaru, "KN08AA", "", {"00093", "00000", "53"}},  // unreadable multiplier
        {ContestType::HaQrp, "KN08AA", "1", {"00093", "00093", "53"}},
        {ContestType::Nmark, "AA00AA", "1", {"00000", "00000", ""}},
        {ContestType::Swl, "KN08AA", "2", {"00093", "00186", "53"}},
        // Types without a distance keep the fields.
        {ContestType::Exchange, "KN08AA", "1", {"77777", "77777", "77"}},
        {ContestType::Hadx, "KN08AA", "1", {"77777", "77777", "77"}},
        {ContestType::RudxAll, "KN08AA", "1", {"77777", "77777", "77"}},
        {ContestType::RudxTwo, "KN08AA", "1", {"77777", "77777", "77"}},
        // CQ-WW-VHF: points by band on 6 m and 2 m only, the bearing stays.
        {ContestType::CqwwVhf, "KN08AA", "1", {"1", "1", "77"}, 12},
        {ContestType::CqwwVhf, "KN08AA", "1", {"2", "2", "77"}, 14},
        {ContestType::CqwwVhf, "KN08AA", "1", {"77777", "77777", "77"}, 16},
        {ContestType::CqwwVhf, "KN08AA", "1", {"77777", "77777", "77"}, 13},
        // YL-OM: points from the sex pair, no bearing.
        {ContestType::YlOm, "AA00AA", "1", {"00001", "00001", "???"}, -1, 2, 2},
        {ContestType::YlOm, "AA00AA", "1", {"00005", "00005", "???"}, -1, 2, 1},
        {ContestType::YlOm, "AA00AA", "1", {"00005", "00005", "???"}, -1, 1, 2},
        {ContestType::YlOm, "AA00AA", "1", {"00005", "00005", "???"}, -1, 1, 1},
        {ContestType::YlOm, "AA00AA", "1", {"00000", "00000", "???"}, -1, 2, 0},
        {ContestType::YlOm, "AA00AA", "1", {"00000", "00000", "???"}, -1, 0, 2},
    };
    for (const auto& c : cases) {
        Entry e(c.type);
        e.s.qso.kapott_QRA_text = c.received;
        if (c.own >= 0) {
            e.s.qso.sex_combo.set(c.own);
            e.s.qso.kapott_sex_combo.set(c.partner);
        }
        e.s.szorzo_text = c.multiplier;
        if (c.band >= 0) e.s.current_band_index = c.band;
        e.fields("77777", "77777", "77");
        tavolsag_szamolo_rutin(e.s);
        EXPECT_EQ(e.shown(), c.shown) << static_cast<int>(c.type) << " " << c.received << " x" << c.multiplier
                                      << " band " << c.band << " sex " << c.own << "/" << c.partner;
    }
}

TEST(Qrb, BearingFieldFocusComputesForEveryType) {
    Entry e(ContestType::Hadx);
    e.s.qso.kapott_QRA_text = "KN08AA";
    e.s.szorzo_text = "2";
    iranyszog_text_GotFocus(e.s);
    EXPECT_EQ(e.shown(), (Fields{"00093", "00186", "53"}));

    Entry b(ContestType::Iaru);
    b.s.qso.kapott_QRA_text = "IO91WM";
    b.s.station.QRA_text = "JN97KR";
    iranyszog_cmd_Click(b.s);
    EXPECT_EQ(b.shown(), (Fields{"01428", "01428", "294"}));
    b.fields("", "", "");
    tavolsag_szamolo_cmd_Click(b.s);
    EXPECT_EQ(b.shown(), (Fields{"01428", "01428", "294"}));
}

TEST(Qrb, ConversionAndComputationState) {
    Entry e(ContestType::Iaru);
    EXPECT_TRUE(convertalas(e.s, "JJ00AA"));
    EXPECT_EQ(e.s.qrb.locator_coords.lat, 0.0);
    EXPECT_TRUE(convertalas(e.s, "KJ00AA"));
    const Coords kj = e.s.qrb.locator_coords;
    EXPECT_FALSE(convertalas(e.s, "KJ00A"));
    EXPECT_EQ(e.s.qrb.locator_coords.lon, kj.lon);  // a failed conversion writes nothing

    e.s.qso.kapott_QRA_text = "KN08AA";
    qrb_szamolas(e.s);
    EXPECT_EQ(e.s.qrb.qrb_distance, 93);
    // A later failure leaves the mark of a missing bearing, not the old result.
    e.s.station.QRA_text = "JN97";
    qrb_szamolas(e.s);
    EXPECT_EQ(e.s.qrb.qrb_distance, 0);
    EXPECT_EQ(e.s.qrb.qrb_bearing, kNoBearing);
}

}  // namespace
}  // namespace loxar
