// The radio's pure rules: what the log takes from a reading, the settings file, CW timing and cwdaemon.
#include <gtest/gtest.h>

#include "station/cw_keying.hpp"
#include "station/rig_follow.hpp"
#include "station/rig_settings.hpp"

namespace loxar {
namespace {

TEST(RigFollow, BandAndFrequencyField) {
    const struct {
        long long hz;
        int band;
        const char* field;
    } cases[] = {
        {3'500'000, 3, "03.500"},    {14'025'600, 7, "14.025"}, {99'999'999, 0, "99.999"},
        {144'300'000, 14, "00.000"}, {5'000'000, 0, "05.000"},  {0, 0, "00.000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rig_band(c.hz), c.band) << c.hz;
        EXPECT_EQ(rig_frequency_field(c.hz), c.field) << c.hz;
    }
}

TEST(RigFollow, ModeOfTheLog) {
    const struct {
        const char* hamlib;
        std::optional<Text> log;
    } cases[] = {
        {"CW", "CW"},  {"CWR", "CW"},          {"USB", "SSB"},       {"LSB", "SSB"},     {"FM", "FM"},
        {"WFM", "FM"}, {"RTTY", std::nullopt}, {"AM", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(rig_log_mode(c.hamlib), c.log) << c.hamlib;
}

// "PARIS " is the word that defines the speed: 50 units, a minute at 1 WPM.
TEST(CwKeying, DurationByTheStandardWord) {
    EXPECT_EQ(morse_duration_ms("PARIS ", 1), 60'000);
    EXPECT_EQ(morse_duration_ms("paris paris ", 12), 10'000);
    EXPECT_EQ(morse_duration_ms("E", 20), 60);
    EXPECT_EQ(morse_duration_ms("E~E", 20), morse_duration_ms("EE", 20));  // no sign, no time
}

TEST(CwKeying, CwdaemonGetsPrintableTextAndAnEchoRequest) {
    EXPECT_EQ(cwdaemon_message("CQ HA5XX"), "CQ HA5XX^");
    EXPECT_EQ(cwdaemon_message("A^B\x1b"
                               "4\r"),
              "AB4^");
    EXPECT_EQ(cwdaemon_speed(25),
              "\x1b"
              "225");
}

TEST(RigSettingsFile, RoundTripAndDamagedValuesKeepTheDefaults) {
    RigSettings st;
    st.link = RigLink::Serial;
    st.model = 3073;
    st.device = "/dev/serial/by-id/usb-Icom=1";
    st.speed = 19200;
    st.poll_ms = 500;
    st.cw = CwOutput::RigKeyer;
    st.ptt = VoicePtt::Rig;
    EXPECT_EQ(parse_rig_settings(rig_settings_text(st)), st);
    const RigSettings damaged =
        parse_rig_settings("link=radio\npoll_ms=20\nmodel=x\nspeed=-1\ngarbage\n=\ncw=rig");
    RigSettings expected;
    expected.cw = CwOutput::RigKeyer;
    EXPECT_EQ(damaged, expected);
}

}  // namespace
}  // namespace loxar
