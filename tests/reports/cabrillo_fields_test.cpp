// Cabrillo pieces: the SOAPBOX cuts, the frequency field along a report and the CQ-WW-VHF list.
#include <gtest/gtest.h>

#include "reports/cabrillo_report.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

Text a(std::size_t n) {
    return Text(n, 'a');
}

TEST(CabrilloSoapbox, CutsBeforeABlankOnceAPieceHoldsForty) {
    Text many;  // 33 words of 40 letters: more than 31 pieces
    for (int i = 0; i < 33; ++i) many += (i ? " " : "") + Text(40, static_cast<char>('a' + i % 26));
    const struct {
        Text remark;
        std::vector<Text> pieces;
    } cases[] = {
        {"   ", {}},
        {a(39) + " b", {a(39) + " b"}},
        {a(40) + " b", {a(40), "b"}},
        {a(41) + " b", {a(41), "b"}},
        {a(100), {a(100)}},
        {" lead  " + a(36) + " x", {"lead  " + a(36), "x"}},
        {a(40) + " ", {a(40)}},  // a blank last piece ends the lines
        // Line breaks are walked like letters but written as blanks.
        {"first line\r\nsecond line", {"first line second line"}},
        {a(40) + "\r\n next", {a(40), "next"}},
    };
    for (const auto& c : cases) EXPECT_EQ(soapbox_pieces(c.remark), c.pieces) << c.remark;

    const std::vector<Text> pieces = soapbox_pieces(many);
    ASSERT_EQ(pieces.size(), 33u);
    EXPECT_EQ(pieces.back(), Text(40, 'g'));
}

// The frequency fields of a common-line report over general lines on these bands.
std::vector<Text> frequencies(const std::vector<Text>& bands) {
    std::vector<Text> log;
    for (const Text& band : bands) log.push_back(testing::general("XX1AA", 1, band));
    const DataSheet sheet;
    const std::vector<Text> none;
    const Text report =
        cabrillo_report(kFormatRdxcAll, {sheet, log, none, "HA5XX", "JN97KL", "", {}, "", "0"});
    std::vector<Text> out;
    for (std::size_t at = report.find("QSO: "); at != Text::npos; at = report.find("QSO: ", at + 1))
        out.push_back(report.substr(at + 5, 5));
    return out;
}

TEST(CabrilloFrequency, RepeatsTheLineBeforeAndStartsFromTheBand) {
    const struct {
        std::vector<Text> bands, fields;
    } cases[] = {
        {{"1,8 MHz", "21 MHz"}, {" 1820", "21100"}},
        {{"50 MHz", "145 MHz", "28 MHz"}, {"50   ", "50   ", "28100"}},
        {{"1,3 GHz"}, {"1.2G "}},
        {{"248 GHz"}, {"241G "}},
        {{"10 MHz"}, {"10100"}},
        {{"XYZ", "435 MHz"}, {"     ", "     "}},
        {{"14250", "70 MHz"}, {"14250", "14250"}},
    };
    for (const auto& c : cases) EXPECT_EQ(frequencies(c.bands), c.fields) << c.bands.front();
}

TEST(CabrilloCqwwList, LineColumns) {
    EXPECT_EQ(cqww_list_line(testing::general("XX1AAA", 1, "145 MHz", "11:29", "SSB"), " HA5XX/P ", "JN97KL"),
              "145 MHz;SSB;2016-07-23;1129;HA5XX/P       ;JN97;XX1AAA        ;JN96;00001");
    EXPECT_EQ(cqww_list_line(testing::general("XX2BBBBBBBBBBB", 7, "50 MHz", "23:59", "FM"), "HA5XX", "JN97"),
              "50 MHz ;FM ;2016-07-23;2359;HA5XX         ;JN97;XX2BBBBBBBBB  ;JN96;00001");
}

}  // namespace
}  // namespace loxar
