// Keyer message templates and cut numbers.
#include "core/keyer_text.hpp"

#include <gtest/gtest.h>

#include "core/session.hpp"

namespace loxar {
namespace {

TEST(CutNumbers, NinesAndZerosBecomeLetters) {
    struct Case {
        Text in, out;
    };
    for (const Case& c : {Case{" 590 ", "5NT"}, Case{"599", "5NN"}, Case{"001", "TT1"}, Case{"", ""},
                          Case{"5NN", "5NN"}, Case{"1234567890", "12345678NT"}}) {
        EXPECT_EQ(szam_rovidites(c.in), c.out) << c.in;
    }
}

Session keyer_session() {
    Session s;
    s.qso = empty_qso_record();
    s.qso.kapott_hivojel_text = " ha1xyz ";
    s.qso.kuldott_riport_text = "599";
    s.qso.kuldott_sorszam_text = "9";
    s.qso.qth_text = "BUDAPEST";
    s.qso.kezelo_text = "PETER";
    s.station.hivojel_text = "HG5ABC";
    s.station.QRA_text = "JN97LL";
    return s;
}

TEST(ReportTemplate, TokensAreExpanded) {
    struct Case {
        Text in, out;
    };
    const Case cases[] = {
        {"<H> DE <M> K", "HA1XYZ DE HG5ABC K"},
        {"<R> <N>", "5NN TTN"},
        {"<r> <n>", "599 009"},
        {"QTH <T> LOC <Q> OP <A>", "QTH BUDAPEST LOC JN97LL OP PETER"},
        {"<H><H>", "HA1XYZHA1XYZ"},
        {"  <M>  ", "HG5ABC"},
        {"<X> <h> <M", "<X> <h> <M"},
        {"<<M>>", "<HG5ABC>"},
        {"ab", "ab"},
        {" a ", " a "},
    };
    Session s = keyer_session();
    for (const Case& c : cases) EXPECT_EQ(riport_ertelmezes(s, c.in), c.out) << c.in;
}

TEST(ReportTemplate, SerialIsFormattedBeforeCutting) {
    Session s = keyer_session();
    s.qso.kuldott_sorszam_text = "120";
    EXPECT_EQ(riport_ertelmezes(s, "<N>/<n>"), "12T/120");
    s.qso.kuldott_sorszam_text = "1005";
    EXPECT_EQ(riport_ertelmezes(s, "<N>/<n>"), "1TT5/1005");
}

TEST(LoadTemplate, OnlyTheOwnCallsignIsExpanded) {
    Session s = keyer_session();
    EXPECT_EQ(betoltes_ertelmezes(s, " CQ <M> <H> "), "CQ HG5ABC <H>");
    EXPECT_EQ(betoltes_ertelmezes(s, " a "), "a");
}

}  // namespace
}  // namespace loxar
