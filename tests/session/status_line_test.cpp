// The status line: home, contest type, band, QSO count and the time the log was last written.
#include "session/status_line.hpp"

#include <gtest/gtest.h>

#include "model/file_io.hpp"
#include "session/lifecycle.hpp"
#include "session/log_file.hpp"
#include "session/startup.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

bool has(const Text& line, const Text& part) {
    return line.find(part) != Text::npos;
}

TEST(StatusLine, TellsHomeContestBandCountAndTheLastSave) {
    testing::Started t(ContestType::Iaru);
    t.log({testing::general("HA1ABC", 1), testing::general("HA2DEF", 2)});
    t.s.qso.band_text = "145 MHz";
    t.s.pontos_ido = "2024-05-04/12:30:15";
    const Text before = status_line(t.s);
    EXPECT_TRUE(has(before, text_path(t.home.path()))) << before;
    EXPECT_TRUE(has(before, "IARU")) << before;
    EXPECT_TRUE(has(before, "145 MHz")) << before;
    EXPECT_TRUE(has(before, "QSO: 2")) << before;
    EXPECT_TRUE(has(before, hu(u8"Utolsó mentés: még nincs"))) << before;

    ASSERT_TRUE(log_mentes(t.s, t.s.paths.tmp_log()));
    EXPECT_TRUE(has(status_line(t.s), hu(u8"Utolsó mentés: 12:30:15"))) << status_line(t.s);
}

TEST(StatusLine, ALogRestoredAtStartTellsWhenItWasSaved) {
    testing::Started t(ContestType::Iaru);
    t.log({testing::general("HA1ABC", 1)});
    ASSERT_TRUE(save_on_exit(t.s));
    testing::Home again;
    EXPECT_TRUE(Form_Load(again.s, t.home.path()).ok());
    EXPECT_EQ(again.s.last_save_time, written_time_of_day(t.s.paths.tmp_log()));
    EXPECT_FALSE(again.s.last_save_time.empty());
}

TEST(StatusLine, AFailedWriteIsNoSave) {
    testing::Started t(ContestType::Iaru);
    t.log({testing::general("HA1ABC", 1)});
    t.s.pontos_ido = "2024-05-04/12:30:15";
    EXPECT_FALSE(log_mentes(t.s, t.home.path() / "nincs_ilyen" / "x.log"));
    EXPECT_TRUE(t.s.last_save_time.empty());
}

}  // namespace
}  // namespace loxar
