// Every field of every layout read back from a line the real builder wrote.
#include "model/log_fields.hpp"

#include <gtest/gtest.h>

#include <map>

#include "support/sample_lines.hpp"

namespace loxar {
namespace {

using enum Field;

// clang-format off
const testing::Worked kQso{.time = "2024-05-04/12:30:15", .call = "HA5KDR", .rst = "57", .nr = "12",
                           .loc = "JN97MM", .sex = 1, .name = "PETER", .sent_rst = "59", .sent_nr = "3",
                           .mode = 2, .own_sex = 2, .dist = "00123", .pts = "45", .num = "00007",
                           .op = "OPNAME", .band = "145 MHz", .qth = "BUDAPEST", .call2 = "HA2BBB"};
// clang-format on

struct RoundTrip {
    ContestType type;
    std::map<Field, Text> trimmed;  // every written field of the layout
};

// clang-format off
const RoundTrip kRoundTrips[] = {
    {ContestType::Iaru, {{DateTime, "2024-05-04/12:30:15"}, {Call, "HA5KDR"}, {ReceivedReport, "057"},
        {ReceivedSerial, "0012"}, {ReceivedLocator, "JN97MM"}, {ReceivedSex, "N"}, {SentReport, "059"},
        {SentSerial, "0003"}, {Mode, "CW"}, {OwnSex, "F"}, {Distance, "00123"}, {Points, "00045"},
        {Number, "00007"}, {ReceivedName, "PETER"}, {Band, "145 MHz"}}},
    {ContestType::HaQrp, {{DateTime, "2024-05-04/12:30:15"}, {Call, "HA5KDR"}, {ReceivedReport, "057"},
        {ReceivedName, "PETER"}, {ReceivedQth, "12"}, {SentReport, "059"}, {Mode, "CW"},
        {Number, "00007"}, {OwnName, "OPNAME"}, {Points, "2"}, {CountryMarker, "-"},
        {Band, "145 MHz"}, {OwnQth, "BUDAPEST"}}},
    {ContestType::SilentKeyMem, {{DateTime, "2024-05-04/12:30:15"}, {Call, "HA5KDR"},
        {ReceivedReport, "057"}, {ReceivedSerial, "012"}, {SentReport, "059"}, {SentSerial, "003"},
        {Mode, "CW"}, {Distance, "00123"}, {Points, "45"}, {Number, "00007"}, {OwnName, "OPNAME"},
        {Band, "145 MHz"}, {ReceivedZone, "JN"}}},
    {ContestType::Nmark, {{DateTime, "2024-05-04/12:30:15"}, {Call, "HA5KDR"}, {ReceivedReport, "057"},
        {ReceivedName, "PETER"}, {ReceivedQth, "12"}, {SentReport, "059"}, {Mode, "CW"},
        {Number, "00007"}, {OwnName, "OPNAME"}, {Distance, "1"}, {Points, "4"}, {Band, "145 MHz"},
        {OwnQth, "BUDAPEST"}}},
    {ContestType::Swl, {{DateTime, "2024-05-04/12:30:15"}, {Band, "145 MHz"}, {Mode, "CW"},
        {Call, "HA5KDR"}, {ReceivedReport, "057"}, {ReceivedSerial, "00012"}, {Call2, "HA2BBB"},
        {SentReport, "059"}, {SentSerial, "00003"}, {Number, "00007"}}},
};
// clang-format on

TEST(LogFields, EveryFieldOfEveryLayoutReadsBackWhatTheBuilderWrote) {
    for (const RoundTrip& t : kRoundTrips) {
        const LineLayout layout = layout_of(t.type);
        const Text line = testing::line_of(t.type, kQso);
        SCOPED_TRACE(line);
        std::size_t written = 0;
        for (const FieldCell& c : layout_fields(layout)) {
            ++written;
            ASSERT_TRUE(t.trimmed.contains(c.field)) << static_cast<int>(c.field);
            EXPECT_EQ(field_trimmed(line, layout, c.field), t.trimmed.at(c.field));
            // The whole width stands in the line, followed by the separator the table names.
            if (c.at.len == kToLineEnd) continue;
            EXPECT_EQ(field(line, layout, c.field).size(), c.at.len);
            EXPECT_EQ(col(line, c.at.from + c.at.len, c.after.size()), c.after);
        }
        EXPECT_EQ(written, t.trimmed.size());
        EXPECT_EQ(field(line, layout, Date), "2024-05-04");
        EXPECT_EQ(field(line, layout, Time), "12:30:15");
    }
}

TEST(LogFields, AFieldTheLayoutLacksIsEmptyAndSaysSo) {
    const Text line = testing::line_of(ContestType::Swl, kQso);
    EXPECT_FALSE(has_field(LineLayout::Swl, ReceivedLocator));
    EXPECT_EQ(field(line, LineLayout::Swl, ReceivedLocator), "");
    EXPECT_TRUE(has_field(LineLayout::General, ReceivedLocator));
    // A line cut short gives what it still holds.
    EXPECT_EQ(field("2024-05-04/12:30:15=HA5", LineLayout::General, Call), "HA5");
    EXPECT_EQ(field("2024-05-04", LineLayout::General, Band), "");
}

}  // namespace
}  // namespace loxar
