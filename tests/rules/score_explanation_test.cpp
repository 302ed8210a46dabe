// The score explanation: each family's lines say why, and add up to the log's total.
#include "rules/score_explanation.hpp"

#include <gtest/gtest.h>

#include "support/sample_lines.hpp"

namespace loxar {
namespace {

using T = ContestType;
using testing::line_of;
using testing::Worked;

Worked qso(Text call, Text dist, Text pts, Text loc = "", Text nr = "1") {
    return {.call = call, .nr = nr, .loc = loc, .dist = dist, .pts = pts};
}

// A line with its marker columns (75-79) rewritten, as the entry writes RH-OB's.
Text marked(Text line, const Text& marker) {
    return line.replace(74, 5, marker);
}

struct Family {
    T type;
    std::vector<Text> lines;
    std::vector<Text> said;  // in the lines' explanations, in order
    Text claimed;            // the last figure of the totals
};

std::vector<Family> families() {
    Worked yl = qso("HA5YL", "00000", "0");
    yl.own_sex = 2;
    yl.sex = 1;
    Worked om = yl;
    om.sex = 2;
    Worked nm = qso("OZ1AA", "2", "1");
    return {
        {T::Iaru,
         {line_of(T::Iaru, qso("OK1KRA", "00300", "00300", "JO70AA")),
          line_of(T::Iaru, qso("OK1KRB", "00310", "00310", "JO70BB")),
          line_of(T::Iaru, qso("OK1KRA", "00300", "00300", "JO70AA"))},
         {hu(u8"1. OK1KRA 145 MHz: 300 pont (300 km × 1 (CW)); új négyzet: JO70"), "2. OK1KRB",
          hu(u8"3. OK1KRA 145 MHz: 300 pont (300 km × 1 (CW)); ismétlés: a 1. QSO-é")},
         "910"},
        {T::CqwwVhf,
         {line_of(T::CqwwVhf, qso("W1AW", "00000", "00001", "FN31PR")),
          line_of(T::CqwwVhf, qso("K1JT", "00000", "00001", "FN20AA")),
          line_of(T::CqwwVhf, qso("W1XX", "00000", "00001", "FN31AA"))},
         {hu(u8"új négyzet (szorzó): FN31"), hu(u8"új négyzet (szorzó): FN20"), "W1XX 145 MHz: 1 pont"},
         "6"},
        {T::Hadx,
         {line_of(T::Hadx, qso("DL1ABC", "DX/--", "00003")), line_of(T::Hadx, qso("W1AW", "DX/--", "00005")),
          line_of(T::Hadx, qso("HA5KDR", "--/--", "00001"))},
         {hu(u8"3 pont (Európában); új ország (szorzó)"), hu(u8"5 pont (Európán kívül)"),
          hu(u8"1 pont (magyar állomás)")},
         "18"},
        {T::RudxAll,
         {line_of(T::RudxAll, qso("UA3AA", "DX/OB", "00010", "", "MA"))},
         {hu(u8"10 pont (orosz állomás); új ország (szorzó), új oblaszt (szorzó): MA")},
         "20"},
        {T::YlOm, {line_of(T::YlOm, yl), line_of(T::YlOm, om)}, {"5 pont (OM-YL)", "1 pont (OM-OM)"}, "6"},
        {T::Nmark, {line_of(T::Nmark, nm)}, {hu(u8"2 pont (távolságtényező 2 × 1)")}, "2"},
        {T::Hskc,
         {line_of(T::Hskc, qso("HA5KDR", "Multi", "00003", "", "11A")),
          line_of(T::Hskc, qso("HA5KXX", "-----", "00001", "", "7B"))},
         {hu(u8"3 pont (A (QRP) kategória); új körzet (szorzó)"), "1 pont (B (QRO)"},
         "0000004"},
        {T::HaQrp,
         {line_of(T::HaQrp, qso("DL1ABC", "", "2"), 'N'), line_of(T::HaQrp, qso("DL2ABC", "", "1"))},
         {hu(u8"1 pont (név vagy QTH nélkül); új ország (szorzó)"), "2. DL2ABC 145 MHz: 1 pont"},
         "2"},
        {T::RhOb,
         {marked(line_of(T::RhOb, qso("HA5KDR", "", "00001")), "Multi"),
          marked(line_of(T::RhOb, qso("HA5KDR", "", "00001")), "None ")},
         {hu(u8"1 pont (QSO-nként 1); új állomás ezen az üzemmódon (szorzó)"), hu(u8"ismétlés: a 1. QSO-é")},
         "2"},
        {T::SilentKeyMem,
         {line_of(T::SilentKeyMem, qso("DL1ABC", "IT/SK", "00004")),
          line_of(T::SilentKeyMem, qso("DL2ABC", "--/--", "00003"))},
         {hu(u8"4 pont; új ITU zóna (szorzó), új emlékhívójel (szorzó, +1 pont)"), "3 pont"},
         "14"},
        {T::Ref,
         {line_of(T::Ref, qso("F5ABC", "Multi", "00001")), line_of(T::Ref, qso("DL1ABC", "-----", "00000"))},
         {hu(u8"1 pont; új megye (szorzó)"), hu(u8"0 pont (nem francia állomás)")},
         "1"},
        {T::Dx, {line_of(T::Dx, qso("W1AW", "00000", "0"))}, {hu(u8"nincs pontszámítás")}, ""},
    };
}

TEST(ScoreExplanation, EachFamilySaysWhyAndAddsUpToTheTotal) {
    for (const Family& f : families()) {
        const std::vector<QsoExplanation> all = explain_log(f.lines, f.type, {});
        ASSERT_EQ(all.size(), f.lines.size());
        for (std::size_t i = 0; i < f.said.size(); ++i) {
            EXPECT_NE(all[i].text.find(f.said[i]), Text::npos) << all[i].text;
        }
        // The window's one line and the whole log's line are the same text.
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(explain_qso(f.lines, i, f.type, {}).text, all[i].text);
        }
        const LogTotal total = log_total(f.lines, f.type);
        const std::vector<Text> totals = explain_totals(f.lines, f.type, all, total, {});
        long long sum = 0;
        for (const QsoExplanation& e : all) sum += e.points;
        const Text said_sum = ", " + std::to_string(sum) + " pont";
        if (total.computed) {
            EXPECT_NE(totals.front().find(said_sum), Text::npos) << totals.front();
            EXPECT_TRUE(totals.back().ends_with("= " + f.claimed) ||
                        totals.back().ends_with(": " + f.claimed))
                << totals.back();
        }
    }
}

}  // namespace
}  // namespace loxar
