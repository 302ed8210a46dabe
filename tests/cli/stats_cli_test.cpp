// loxar-cli stats: the page of a saved log as "Mentés" writes it, the refusal of a type without a
// page, and the QSOs per hour as CSV.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/file_io.hpp"
#include "session/list_save.hpp"
#include "statistics/statistics.hpp"
#include "support/run_cli.hpp"
#include "support/sample_lines.hpp"
#include "support/temp_home.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::run_cli;

// A saved log of the contest type with that index (sixth field of the header).
fs::path saved_log(const fs::path& dir, int type, const std::vector<Text>& lines) {
    Text file =
        "Log records:\r\nHA5KDR,JN97MM,PETER,2,14," + std::to_string(type) + ",BP,1,BUDAPEST,1,TESZT,1\r\n";
    for (const Text& l : lines) file += l + "\r\n";
    const fs::path log = dir / ("verseny" + std::to_string(type) + ".log");
    EXPECT_TRUE(write_file_atomic(log, file + "End\r\n"));
    return log;
}

TEST(StatsCli, PageBytesRefusalAndRate) {
    testing::TempHome home;
    const fs::path dir = home.path().parent_path();
    const std::string at = " --home '" + home.path().string() + "'";
    const auto hskc = [](Text call, Text nr, Text time) {
        return testing::line_of(
            ContestType::Hskc,
            {.time = "2024-05-04/" + time, .call = call, .nr = nr, .dist = "Multi", .band = "3,5 MHz"});
    };
    const std::vector<Text> lines = {hskc("HA5AA", "11A", "12:05:00"), hskc("HA7ZZ", "5B", "12:55:00"),
                                     hskc("HA1XY", "7B", "14:10:00")};
    const fs::path log = saved_log(dir, static_cast<int>(ContestType::Hskc), lines);
    const fs::path out = dir / "stat.lst";

    ASSERT_EQ(run_cli("stats '" + log.string() + "' -o '" + out.string() + "'" + at).status, 0);
    const Text page = read_file(out).value_or("");
    EXPECT_EQ(page, crlf_text(statistics_page(lines, ContestType::Hskc, {Session::kNoCountries, {}, {}})));
    EXPECT_NE(page.find("3,5 MHz   00003   00001   00002   00003   00005   00015    \r\n"), Text::npos)
        << page;

    const auto rate = run_cli("stats --rate '" + log.string() + "'" + at);
    EXPECT_EQ(rate.status, 0);
    EXPECT_EQ(rate.out,
              "hour,band,count\n"
              "2024-05-04 12:00,\"3,5 MHz\",2\n"
              "2024-05-04 13:00,\"3,5 MHz\",0\n"
              "2024-05-04 14:00,\"3,5 MHz\",1\n");

    const fs::path dx = saved_log(dir, static_cast<int>(ContestType::Dx), {testing::qrp("HA5AA", "7 MHz")});
    const fs::path none = dir / "semmi.lst";
    const auto refused =
        run_cli("stats '" + dx.string() + "' -o '" + none.string() + "'" + at, "2>&1 >/dev/null");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("nincs statisztika"), std::string::npos) << refused.out;
    EXPECT_FALSE(fs::exists(none));
    EXPECT_EQ(run_cli("stats").status, 2);
}

}  // namespace
}  // namespace loxar
