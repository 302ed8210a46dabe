// Column, number and code-page helpers.
#include "text/text.hpp"

#include <gtest/gtest.h>

namespace loxar {
namespace {

TEST(Columns, CutSafelyPastTheEnd) {
    EXPECT_EQ(col("ABCDEF", 2, 3), "BCD");
    EXPECT_EQ(col("ABCDEF", 5, 10), "EF");
    EXPECT_EQ(col("ABC", 4, 2), "");
    EXPECT_EQ(col("ABC", 99, 2), "");
    EXPECT_EQ(col_from("ABCDEF", 4), "DEF");
    EXPECT_EQ(col_from("AB", 3), "");
}

TEST(Padding, PadCutTrimZeroPad) {
    EXPECT_EQ(pad_cut("AB", 4), "AB  ");
    EXPECT_EQ(pad_cut("ABCDEFG", 4), "ABCD");
    EXPECT_EQ(pad_cut("", 2), "  ");
    EXPECT_EQ(trim("  A B \r\n"), "A B");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(zero_pad(12, 5), "00012");
    EXPECT_EQ(zero_pad(123456, 5), "123456");
    EXPECT_EQ(zero_pad(-7, 3), "-07");
}

TEST(Numbers, IsNumericAndVal) {
    struct Case {
        const char* text;
        bool numeric;
        double value;
    };
    const Case cases[] = {
        {"59", true, 59}, {" 599 ", true, 599}, {"5NN", false, 5},      {"", false, 0},
        {"-3", true, -3}, {"+4", true, 4},      {"1.5", true, 1.5},     {"1.2.3", false, 1.2},
        {".", false, 0},  {"AB", false, 0},     {"03.550", true, 3.55}, {"12 3", false, 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(is_numeric(c.text), c.numeric) << c.text;
        EXPECT_DOUBLE_EQ(val(c.text), c.value) << c.text;
    }
}

TEST(Numbers, ToShortRoundsHalfToEvenAndRefusesOverflow) {
    EXPECT_EQ(to_short(2.5), 2);
    EXPECT_EQ(to_short(3.5), 4);
    EXPECT_EQ(to_short(-2.5), -2);
    EXPECT_EQ(to_short(32767.0), 32767);
    EXPECT_FALSE(to_short(32768.0).has_value());
    EXPECT_FALSE(to_short(-32769.0).has_value());
    EXPECT_FALSE(to_short("ABC").has_value());
    EXPECT_EQ(to_short(" 12 "), 12);
    EXPECT_EQ(int_value("00042"), 42);
    EXPECT_EQ(int_value("DX/OB"), 0);
}

TEST(Letters, UpperCaseAndAccentFolding) {
    EXPECT_EQ(upper_hu(hu(u8"há1ő űé")), hu(u8"HÁ1Ő ŰÉ"));
    const char8_t* accented[] = {u8"Á", u8"É", u8"Í", u8"Ó", u8"Ö", u8"Ő", u8"Ú", u8"Ü", u8"Ű"};
    const char plain[] = {'A', 'E', 'I', 'O', 'O', 'O', 'U', 'U', 'U'};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(fold_accents(hu(accented[i])[0]), plain[i]);
    EXPECT_EQ(fold_accents('Q'), 'Q');
}

TEST(CodePage, RoundTripsEveryByte) {
    Text all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8_to_cp1250(cp1250_to_utf8(all)), all);
    EXPECT_EQ(hu(u8"Nő"), Text("N\xF5"));
    EXPECT_EQ(cp1250_to_utf8("\xC1rv\xEDzt\xFBr\xF5"),
              std::string(reinterpret_cast<const char*>(u8"Árvíztűrő")));
}

TEST(CodePage, OutsideInputIsDetected) {
    const char* utf8_name = reinterpret_cast<const char*>(u8"Kovács Ödön");
    EXPECT_TRUE(looks_like_utf8(utf8_name));
    EXPECT_EQ(input_to_cp1250(utf8_name), hu(u8"Kovács Ödön"));
    EXPECT_FALSE(looks_like_utf8("plain ascii"));
    EXPECT_EQ(input_to_cp1250("Kov\xE1"
                              "cs"),
              "Kov\xE1"
              "cs");                              // cp1250 stays as it is
    EXPECT_EQ(utf8_to_cp1250("\xE2\x82"), "??");  // cut sequence
    EXPECT_EQ(utf8_to_cp1250(reinterpret_cast<const char*>(u8"日")), "?");
}

}  // namespace
}  // namespace loxar
