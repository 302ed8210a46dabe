// Start-up, clock, new contest and exit as an operator meets them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/file_io.hpp"
#include "session/clock.hpp"
#include "session/keying_box.hpp"
#include "session/lifecycle.hpp"
#include "session/log_file.hpp"
#include "session/status_line.hpp"
#include "session/window_keys.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::Home;
using testing::Started;

const Text kLine1 = testing::general("XX1AAA");

TEST(Start, CreatesEveryFolderAndTheDefaultRuleFiles) {
    Started st;
    for (const char* dir : {"ADATOK", "SYSTEM", "SYSTEM/CW", "SYSTEM/SSB", "LOG", "REPORT", "SZABALYOK",
                            "TEMP", "IMPORT_EXPORT", "BACKUP"}) {
        EXPECT_TRUE(fs::is_directory(st.home.path() / dir)) << dir;
    }
    EXPECT_EQ(read_file(st.home.path() / "SZABALYOK" / "CQBP.rule"),
              "#RULE\r\nSAV =1\r\nDXCC=1\r\nWWL =1\r\nFM  =1\r\nSSB =2\r\nCW  =3\r\n#END");
    EXPECT_EQ(read_file(st.home.path() / "SZABALYOK" / "HAOB.rule"),
              "#RULE\r\nSAV =1\r\nDXCC=1\r\nWWL =1\r\nFM  =1\r\nSSB =1\r\nCW  =1\r\n#END");
}

TEST(Start, LeavesExistingFilesAlone) {
    Home st;
    fs::create_directories(st.home.path() / "SZABALYOK");
    std::ofstream(st.home.path() / "SZABALYOK" / "IARU.rule") << "mine";
    st.start();
    EXPECT_EQ(read_file(st.home.path() / "SZABALYOK" / "IARU.rule"), "mine");
}

TEST(Start, UnusableHomeIsReportedNotCrashed) {
    Home st;
    std::ofstream(st.home.path().string() + "_file") << "x";
    const Status started = Form_Load(st.s, st.home.path().string() + "_file/sub");
    ASSERT_FALSE(started.ok());
    EXPECT_NE(started.message().find(hu(u8"Nem lehet létrehozni")), Text::npos);
}

TEST(Start, DefaultsOfTheWindow) {
    Home st;
    st.start();
    const Session& s = st.s;
    EXPECT_EQ(s.qso.log_sorszam_text, "00001");
    EXPECT_EQ(s.qso.band_text, "145 MHz");
    EXPECT_EQ(s.sheet.tx_PBand, "");  // "2m" by the defaults, then the start clears the sheet
    EXPECT_EQ(s.ido_eltolas_combo.text(), "-1");
    EXPECT_EQ(s.keyer.settings.billentyuzo_port_combo.text(), "COM1");
    EXPECT_TRUE(s.real_time_check);
    EXPECT_EQ(s.panel, Panel::Log);
}

TEST(Start, MissingKeyerIsReportedAndDisablesCalling) {
    Home st;
    st.fakes.serial.available = false;
    st.start();
    ASSERT_EQ(st.fakes.ui.messages.size(), 1u);
    EXPECT_EQ(st.fakes.ui.messages[0], hu(u8"Nem találtam billentyűzőt a COM1 porton!"));
    EXPECT_FALSE(st.s.view[Control::log_hivas_keret].enabled);
    EXPECT_FALSE(st.s.view[Control::usb_valasz_text].visible);
}

TEST(Start, ARestartInSsbShowsTheVoiceMessagesAndTheRedTimeAtOnce) {
    Started st;
    st.s.qso.mod_combo.set(1);  // SSB
    keyer_control_changed(st.s, Control::mod_combo);
    ASSERT_EQ(st.s.keyer.hivas_valaszto, 0);
    ASSERT_TRUE(save_on_exit(st.s));
    Home again;
    EXPECT_TRUE(Form_Load(again.s, st.home.path()).ok());
    EXPECT_EQ(again.s.qso.mod_combo.text(), "SSB");
    EXPECT_EQ(again.s.keyer.hivas_valaszto, 0);
    EXPECT_EQ(again.s.view[Control::log_ido].fore, Color::Red);
}

TEST(Start, ReloadedLogBringsBackItsContestTypeAndLayout) {
    Home h;
    fs::create_directories(h.system_file(""));
    std::ofstream(h.system_file("tmp_log.dat"), std::ios::binary)
        << "Log records:\r\nHA5XX,JN97AA,OPNAME,2,5 ,7 ,,1,BUDAPEST,1,,0\r\nEnd\r\n";
    h.start();
    Session& s = h.s;
    EXPECT_EQ(s.contest(), ContestType::HaQrp);
    EXPECT_EQ(s.view[Control::kapott_sorszam_cmd].caption, hu(u8"Kapott &QTH"));
    EXPECT_EQ(s.qso.band_text, "7 MHz  ");
    EXPECT_EQ(s.station.hivojel_text, "HA5XX");
    EXPECT_EQ(s.qso.kuldott_sorszam_text, "BUDAPEST");
    EXPECT_EQ(s.qso.sex_combo.list_index, 2);
}

TEST(Clock, UtcFromLocalTimeAndOffset) {
    struct Case {
        LocalDateTime local;
        int offset;
        const char* utc;
    };
    const Case cases[] = {
        {{2024, 5, 4, 0, 30, 0}, 1, "2024-05-03/23:30:00"},
        {{2024, 5, 4, 1, 0, 0}, 1, "2024-05-04/00:00:00"},
        {{2024, 5, 4, 0, 30, 0}, 0, "2024-05-04/00:30:00"},
        {{2024, 3, 1, 1, 5, 9}, 2, "2024-02-29/23:05:09"},
        {{2023, 3, 1, 1, 5, 9}, 2, "2023-02-28/23:05:09"},
        {{2025, 1, 1, 3, 0, 0}, 4, "2024-12-31/23:00:00"},
        {{2025, 7, 10, 14, 2, 3}, 2, "2025-07-10/12:02:03"},
    };
    for (const auto& c : cases) EXPECT_EQ(utc_log_time(c.local, c.offset), c.utc);
}

TEST(Clock, FirstStartLogsTheMachinesUtcAndTheStatusLineSaysWhich) {
    const struct {
        int machine_offset;  // minutes the local time runs ahead of UTC
        int item;            // the offset selector's item after the first start
        const char8_t* note;
    } cases[] = {
        {0, 0, u8"LOG idő: UTC = helyi idő"},
        {120, 2, u8"LOG idő: UTC = helyi idő -2 óra"},
        // No item gives UTC: the old default stays and the status line says it is not UTC.
        {-300, 1, u8"LOG idő: helyi idő -1 óra, de a gép szerint UTC = helyi idő +5 óra!"},
        {330, 1, u8"LOG idő: helyi idő -1 óra, de a gép szerint UTC = helyi idő -5:30 óra!"},
    };
    for (const auto& c : cases) {
        Home st;
        st.fakes.clock.offset_minutes = c.machine_offset;
        st.start();
        EXPECT_EQ(st.s.ido_eltolas_combo.list_index, c.item) << c.machine_offset;
        EXPECT_NE(status_line(st.s).find(hu(c.note)), Text::npos) << status_line(st.s);
    }
    // Later starts keep the operator's choice.
    Home st;
    st.start();
    st.s.ido_eltolas_combo.set(3);
    ASSERT_TRUE(save_on_exit(st.s));
    Home again;
    again.fakes.clock.offset_minutes = 0;
    again.s.ido_eltolas_combo.set(0);
    EXPECT_TRUE(Form_Load(again.s, st.home.path()).ok());
    EXPECT_EQ(again.s.ido_eltolas_combo.list_index, 3);
}

TEST(Clock, TickWritesTimeBlinksAndLightsTheLamp) {
    Started st;
    Session& s = st.s;
    s.log_changed = true;
    s.edit_mode = true;
    Timer1_Timer(s, {2024, 5, 4, 0, 30, 0});
    EXPECT_EQ(s.pontos_ido, "2024-05-04/00:30:00");
    EXPECT_EQ(s.qso.log_ido, "2024-05-03/23:30:00");
    EXPECT_EQ(s.view[Control::valtozas_jelzo].back, Color::Red);
    EXPECT_EQ(s.blink_phase, 1);
    EXPECT_EQ(s.view[Control::edit_sorszam_text].back, Color::Red);
    Timer1_Timer(s, {2024, 5, 4, 0, 30, 0});
    EXPECT_EQ(s.view[Control::edit_sorszam_text].back, Color::Default);

    s.real_time_check = false;
    s.qso.log_ido = "2020-01-01/10:00:00";
    s.log_changed = false;
    Timer1_Timer(s, {2024, 5, 4, 0, 30, 0});
    EXPECT_EQ(s.qso.log_ido, "2020-01-01/10:00:00");
    EXPECT_FALSE(s.view[Control::ido_eltolas_combo].visible);
    EXPECT_EQ(s.view[Control::valtozas_jelzo].back, Color::Green);
}

TEST(Clock, DateCheckMessages) {
    struct Case {
        const char* time;
        bool result;
        const char8_t* message;
    };
    const Case cases[] = {
        {"2024-02-29/12:00:00", 1, nullptr},
        {"2023-02-29/12:00:00", 0, u8"Hibás a dátum'"},
        {"2024-13-01/12:00:00", 0, u8"Hibás a dátum'"},
        {"    -  -  /  :  :  ", 0, u8"Hibás a dátum'"},
        {"2024-02-01/12:0x:00", 0, u8"Hibás az idő'"},
        {"2024-02-01/12:00", 0, u8"Hibás az idő'"},
        {"2024-02-01/00:00:00", 1, nullptr},
        {"2024-02-01/23:59:59", 1, nullptr},
        {"2024-02-01/24:00:00", 0, u8"Hibás az idő'"},
        {"2024-02-01/12:60:00", 0, u8"Hibás az idő'"},
        {"2024-02-01/12:00:60", 0, u8"Hibás az idő'"},
        {"2024-02-01/25:61:99", 0, u8"Hibás az idő'"},
    };
    for (const auto& c : cases) {
        Started st;
        st.s.qso.log_ido = c.time;
        EXPECT_EQ(datum_ellenorzes(st.s), c.result) << c.time;
        if (c.message) {
            ASSERT_EQ(st.fakes.ui.messages.size(), 1u) << c.time;
            EXPECT_EQ(st.fakes.ui.messages[0], hu(c.message));
        } else {
            EXPECT_TRUE(st.fakes.ui.messages.empty());
        }
    }
}

TEST(NewContest, NoLeavesTheLogAloneYesDeletesWorkingAndBackupFilesAndRestartsNumbering) {
    Started st;
    const fs::path sys = st.home.path() / "SYSTEM";
    for (const char* name : {"tmp_log.dat", "tmp_log_145 MHz.dat", "tmp_log_7 MHz  .save", "dxcc_list.txt",
                             "tmp_log_145 MHz.txt"}) {
        std::ofstream(sys / name) << "x";
    }
    std::ofstream(st.home.path() / "BACKUP" / "backup_145 MHz.dat") << "x";
    st.s.log_lista.add(kLine1);
    st.s.log_changed = true;
    st.s.station.verseny_neve_text = "CONTEST";
    st.s.qso.log_sorszam_text = "00002";
    st.fakes.ui.answers = {false};
    uj_lista_cmd_Click(st.s);
    EXPECT_EQ(st.s.log_lista.size(), 1u);
    ASSERT_EQ(st.fakes.ui.questions.size(), 1u);
    EXPECT_TRUE(
        st.fakes.ui.questions[0].starts_with(hu(u8"Egy verseny ideje alatt egyszer kell készíteni.\r\n"
                                                u8"Elmentette a régi adatokat?")));

    st.fakes.ui.answers = {true, true};
    uj_lista_cmd_Click(st.s);
    EXPECT_EQ(st.fakes.ui.questions.back(), hu(u8"Akar új versenyt indítani?"));
    EXPECT_TRUE(st.s.log_lista.empty());
    EXPECT_FALSE(st.s.log_changed);
    EXPECT_EQ(st.s.qso.log_sorszam_text, "00001");
    EXPECT_EQ(st.s.station.verseny_neve_text, "");
    EXPECT_FALSE(fs::exists(sys / "tmp_log.dat"));
    EXPECT_FALSE(fs::exists(sys / "tmp_log_145 MHz.dat"));
    EXPECT_FALSE(fs::exists(sys / "tmp_log_7 MHz  .save"));
    EXPECT_TRUE(fs::exists(sys / "dxcc_list.txt"));
    EXPECT_TRUE(fs::exists(sys / "tmp_log_145 MHz.txt"));
    EXPECT_TRUE(fs::is_empty(st.home.path() / "BACKUP"));
}

TEST(Exit, StopWithAChangedLogAsksThenSavesTheWorkingLog) {
    Started st;
    st.s.log_lista.add(kLine1);
    st.s.log_changed = true;
    st.fakes.ui.answers = {false};
    quit_Click(st.s);
    EXPECT_EQ(st.fakes.ui.questions.back(), hu(u8"A LOG megváltozott, kilép?"));
    EXPECT_EQ(st.fakes.ui.closed, 0);
    EXPECT_FALSE(fs::exists(st.s.paths.tmp_log()));

    st.fakes.ui.answers = {true};
    quit_Click(st.s);
    EXPECT_EQ(st.fakes.ui.closed, 1);
    auto saved = read_file(st.s.paths.tmp_log());
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->starts_with("Log records:\r\n"));
    EXPECT_NE(saved->find(kLine1 + "\r\nEnd\r\n"), Text::npos);
}

TEST(Exit, MessageSettingsThatCannotBeWrittenAreToldOf) {
    Started st;
    const fs::path settings = st.s.paths.system_dir / "hivas_adat.txt";
    fs::remove(settings);
    fs::create_directory(settings);  // a folder in the file's place: the write fails
    quit_Click(st.s);
    EXPECT_EQ(st.fakes.ui.messages.back(), hu(u8"Nem sikerült menteni: ") + text_path(settings));
}

TEST(Exit, EmptyLogKeepsThePreviousWorkingLog) {
    Started st;
    std::ofstream(st.s.paths.tmp_log()) << "previous";
    quit_Click(st.s);
    EXPECT_EQ(read_file(st.s.paths.tmp_log()), "previous");
    EXPECT_EQ(st.fakes.ui.closed, 1);
}

TEST(Exit, ClosingTheWindowStopsPortsAndOffersToSave) {
    Started st;
    st.fakes.serial.opened = true;
    st.s.log_lista.add(kLine1);
    st.s.log_changed = true;
    st.fakes.ui.answers = {true};
    Form_Unload(st.s);
    EXPECT_FALSE(st.fakes.serial.opened);
    EXPECT_EQ(st.fakes.player.closes, 1);
    EXPECT_EQ(st.fakes.ui.questions.back(), hu(u8"A LOG megváltozott, menti az adatokat?"));
    EXPECT_TRUE(fs::exists(st.s.paths.tmp_log()));
}

TEST(MainButtons, ReportNeedsALogAndPanelsSwitch) {
    Started st(ContestType::None, testing::kOwnData);
    main_cmd_Click(st.s, 2);
    EXPECT_EQ(st.fakes.ui.messages.back(), hu(u8"Előbb írja be a LOG-ot!"));
    EXPECT_EQ(st.s.panel, Panel::Log);
    main_cmd_Click(st.s, 4);
    EXPECT_EQ(st.s.panel, Panel::Help);
    st.s.station.hivojel_text = "HA5XX";
    main_cmd_Click(st.s, 1);
    EXPECT_EQ(st.s.panel, Panel::Adatlap);
    EXPECT_EQ(st.s.sheet.tx_PCall, "HA5XX");
    st.s.qso.mod_combo.set(2);
    main_cmd_Click(st.s, 0);
    EXPECT_EQ(st.s.panel, Panel::Log);
    EXPECT_EQ(st.s.qso.kapott_riport_text, "599");
    EXPECT_EQ(st.s.qso.kuldott_sorszam_text, "1");
}

TEST(Colouring, ConfiguredOwnCallsAreBlack) {
    Started st;
    std::ofstream(st.home.path() / "SYSTEM" / kPlainColourCallsFile) << "ha5xx\r\nHG1YY\r\n";
    fekete_hivojelek_beolvasasa(st.s);
    st.s.station.hivojel_text = " HA5XX ";
    kepernyo_szinezes(st.s);
    EXPECT_EQ(st.s.view[Control::log_ido].fore, Color::Black);
    st.s.station.hivojel_text = "HA1ZZ";
    kepernyo_szinezes(st.s);
    EXPECT_EQ(st.s.view[Control::log_ido].fore, Color::Red);
}

TEST(WindowKeys, PageKeysStepTheKeyingSpeedOnlyInCw) {
    Started st;
    Session& s = st.s;
    ASSERT_EQ(s.keyer.settings.wpm_combo.text(), "15 WPM");
    EXPECT_FALSE(Form_KeyDown(s, WindowKey::PageDown));  // no mode: the key goes on
    EXPECT_EQ(s.keyer.settings.wpm_combo.text(), "15 WPM");
    s.qso.mod_combo.set(2);
    EXPECT_TRUE(Form_KeyDown(s, WindowKey::PageDown));
    EXPECT_EQ(s.keyer.settings.wpm_combo.text(), "16 WPM");
    EXPECT_TRUE(Form_KeyDown(s, WindowKey::PageUp));
    EXPECT_TRUE(Form_KeyDown(s, WindowKey::PageUp));
    EXPECT_EQ(s.keyer.settings.wpm_combo.text(), "14 WPM");
    s.keyer.settings.wpm_combo.set(0);
    EXPECT_FALSE(Form_KeyDown(s, WindowKey::PageUp));  // stays within the list
    EXPECT_EQ(s.keyer.settings.wpm_combo.text(), "5 WPM");
}

}  // namespace
}  // namespace loxar
