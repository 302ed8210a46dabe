// Keyer message templates and cut numbers.
#include "session/keyer_text.hpp"

#include <gtest/gtest.h>

#include "session/session.hpp"

namespace loxar {
namespace {

TEST(CutNumbers, NinesAndZerosBecomeLetters) {
    const std::pair<Text, Text> cases[] = {{" 590 ", "5NT"}, {"599", "5NN"}, {"001", "TT1"}, {"", ""}};
    for (const auto& [in, out] : cases) EXPECT_EQ(szam_rovidites(in), out) << in;
}

TEST(ReportTemplate, TokensAreExpanded) {
    Session s;
    s.qso.kapott_hivojel_text = " ha1xyz ";
    s.qso.kuldott_riport_text = "599";
    s.qso.kuldott_sorszam_text = "9";
    s.qso.qth_text = "BUDAPEST";
    s.qso.kezelo_text = "PETER";
    s.station.hivojel_text = "HG5ABC";
    s.station.QRA_text = "JN97LL";
    const std::pair<Text, Text> cases[] = {
        {"<H> DE <M> K", "HA1XYZ DE HG5ABC K"},
        {"<R> <N>", "5NN TTN"},
        {"<r> <n>", "599 009"},
        {"QTH <T> LOC <Q> OP <A>", "QTH BUDAPEST LOC JN97LL OP PETER"},
        {"  <H><H>  ", "HA1XYZHA1XYZ"},
        {"<X> <h> <M", "<X> <h> <M"},
        {"<<M>>", "<HG5ABC>"},
        {" a ", " a "},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(riport_ertelmezes(s, in), out) << in;

    s.qso.kuldott_sorszam_text = "1005";
    EXPECT_EQ(riport_ertelmezes(s, "<N>/<n>"), "1TT5/1005");
    EXPECT_EQ(betoltes_ertelmezes(s, " CQ <M> <H> "), "CQ HG5ABC <H>");
    EXPECT_EQ(betoltes_ertelmezes(s, " a "), "a");
}

}  // namespace
}  // namespace loxar
