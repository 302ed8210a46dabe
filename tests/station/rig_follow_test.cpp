// What the log takes from the radio's frequency and mode.
#include "station/rig_follow.hpp"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace loxar
