// The virtual keying box answers as the program reads a real box's replies.
#include "keybox/virtual_keybox.hpp"

#include <gtest/gtest.h>

#include <string>

#include "text/text.hpp"

namespace {

using loxar::VirtualKeybox;

// The first reply line whose first character is `kind`, with "-" and LF dropped as the program does.
std::string line_of_kind(const std::string& stream, char kind) {
    std::string line;
    for (char c : stream) {
        if (c == '-' || c == '\n') continue;
        if (c != '\r') {
            line += c;
            continue;
        }
        if (!line.empty() && line[0] == kind) return line;
        line.clear();
    }
    return {};
}

TEST(VirtualKeybox, StatusShowsTheSettingsWhereTheProgramReadsThem) {
    VirtualKeybox box;
    EXPECT_EQ(box.receive("w30o1x1m1k1r1d9b0u1R5a704\r\n", 0), "");
    const std::string status = line_of_kind(box.receive("?\r\n", 0), 'w');
    ASSERT_GE(status.size(), 40u);
    EXPECT_EQ(loxar::col(status, 5, 3), "000");
    EXPECT_EQ(loxar::col(status, 15, 1), "1");  // on air
    EXPECT_EQ(loxar::col(status, 21, 1), "0");
    EXPECT_EQ(loxar::col(status, 27, 3), "704");
    EXPECT_EQ(status.find('-'), std::string::npos);

    box.receive("w30o1x1m1k1r0d9b1u0R5a704\r\na123\r\n", 0);
    const std::string after = box.status(0);
    EXPECT_EQ(loxar::col(after, 15, 1), "0");
    EXPECT_EQ(loxar::col(after, 21, 1), "1");
    EXPECT_EQ(loxar::col(after, 27, 3), "123");
}

TEST(VirtualKeybox, RemainingCountFallsAtTheSetSpeedAndStopDropsTheMessage) {
    VirtualKeybox box;
    box.receive("w12o0x1m1k1r0d3b0u0R0a444\r\n", 0);  // 12 wpm: one character a second
    box.receive("sCQ TEST \r", 1000);
    const long long step = VirtualKeybox::ms_per_character(12);
    EXPECT_EQ(step, 1000);
    EXPECT_EQ(box.remaining(1000), 8);
    EXPECT_EQ(loxar::col(box.status(1000), 15, 1), "1");
    EXPECT_EQ(box.remaining(1000 + 3 * step), 5);
    EXPECT_EQ(loxar::col(box.status(1000 + 8 * step), 5, 3), "000");
    EXPECT_EQ(loxar::col(box.status(1000 + 8 * step), 15, 1), "0");

    box.receive("sCQ TEST \r", 20000);
    box.receive("w12o0x1m1k1r0d3b1u0R0a444\r\n", 20000 + step);
    EXPECT_EQ(box.remaining(20000 + step), 0);
}

TEST(VirtualKeybox, EpromWriteReadAndErase) {
    VirtualKeybox box;
    box.receive("w30o0x1m1k1r0d9b0u0R0a444\r\n", 0);
    struct Step {
        const char* command;
        const char* reply;
    };
    const Step steps[] = {
        {"W1CQ TEST HA5XX\r\n", "O\r\n"},
        {"W4TU\r\n", "O\r\n"},
        {"R1\r\n", "MCQ TEST HA5XX\r\n"},
        {"R2\r\n", "M\r\n"},
        {"R4\r\n", "MTU\r\n"},
        {"WI\r\n", "O\r\n"},
        {"R1\r\n", "M\r\n"},
        {"ID\r\n", "i Loxar virtual keybox 1.0\r\n"},
    };
    for (const Step& s : steps) EXPECT_EQ(box.receive(s.command, 0), s.reply) << s.command;

    // The settings read back: speed at 4-5, keyer 7, monitor 9, polarity 11, delay 13.
    const std::string m = loxar::trim(box.receive("R0\r\n", 0));
    EXPECT_EQ(loxar::col(m, 1, 1), "M");
    EXPECT_EQ(loxar::col(m, 4, 2), "30");
    EXPECT_EQ(loxar::col(m, 7, 1) + loxar::col(m, 9, 1) + loxar::col(m, 11, 1), "110");
    EXPECT_EQ(loxar::col(m, 13, 1), "9");
}

TEST(VirtualKeybox, OptionsSilenceTheBoxOrItsEpromOrAddNoise) {
    VirtualKeybox silent({.silent = true});
    EXPECT_EQ(silent.receive("?\r\nID\r\nW1X\r\nR1\r\n", 0), "");

    VirtualKeybox no_eprom({.no_eprom = true});
    EXPECT_EQ(no_eprom.receive("W1X\r\nR1\r\nWI\r\n", 0), "");
    EXPECT_FALSE(no_eprom.receive("?\r\n", 0).empty());

    // Noise never changes what the program makes of the lines it reads.
    VirtualKeybox clean, noisy({.garbage = true, .seed = 7});
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(line_of_kind(noisy.receive("?\r\n", i), 'w'), loxar::trim(clean.receive("?\r\n", i)));
        EXPECT_EQ(line_of_kind(noisy.receive("R2\r\n", i), 'M'), "M");
    }
}

}  // namespace
