// The radio in the session: settings, following its band, frequency and mode, tuning it, and the
// CW output and voice PTT it can take over from the keying box.
#include "session/rig_control.hpp"

#include <gtest/gtest.h>

#include "model/file_io.hpp"
#include "session/band_change.hpp"
#include "session/calling.hpp"
#include "session/keying_box.hpp"
#include "session/qso_entry.hpp"
#include "session/startup.hpp"
#include "session/status_line.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

// A started IARU window (one log per band) with own data and the radio set to rigctld.
struct Radio : testing::Started {
    explicit Radio(ContestType type = ContestType::Iaru) : Started(type, testing::kOwnData) {
        s.rig.form.rig_kapcsolat_combo.set(static_cast<int>(RigLink::Rigctld));
        rig_alkalmaz_cmd_Click(s);
        s.qso.mod_combo.set(1);
        s.qso.log_ido = "2024-05-04/12:30:15";
        log_inic_rutin(s);
    }
    void read(long long hz, const char* mode = "USB") { rig_reading(s, hz, mode, s.rig.tuned); }
    void type_call(const char* call) {
        char c = call[0];
        entry_key_press(s, Control::kapott_hivojel_text, c);
        s.qso.kapott_hivojel_text = call;
    }
};

TEST(RigSettings, AlkalmazSavesAndConnectsStartReadsBack) {
    Radio r;
    ASSERT_EQ(r.fakes.rig.configured.size(), 2u);  // the start's (no radio), then "Alkalmaz"
    EXPECT_EQ(r.fakes.rig.configured.back().link, RigLink::Rigctld);
    EXPECT_EQ(parse_rig_settings(read_file(r.system_file(kRigSettingsFile)).value_or("")).link,
              RigLink::Rigctld);

    r.s.rig.form.rig_lekerdezes_text = "20";  // faster than a radio should be asked
    rig_alkalmaz_cmd_Click(r.s);
    EXPECT_EQ(r.fakes.ui.messages.back(), hu(u8"A lekérdezés ideje 100 és 5000 ms között legyen!"));
    EXPECT_EQ(r.fakes.rig.configured.size(), 2u);

    testing::Home again;
    EXPECT_TRUE(Form_Load(again.s, r.home.path()).ok());
    EXPECT_EQ(again.fakes.rig.configured.back().link, RigLink::Rigctld);
    EXPECT_EQ(again.s.rig.form.rig_kapcsolat_combo.list_index, static_cast<int>(RigLink::Rigctld));
}

TEST(RigFollowing, BandFrequencyAndModeFollowTheRadioIntoTheLogLine) {
    Radio r;
    r.read(14'025'600, "CW");
    EXPECT_EQ(r.s.current_band_index, 7);
    EXPECT_EQ(r.s.qso.band_text, "14 MHz ");
    EXPECT_EQ(r.s.qso.frekvencia_text, "14.025");
    EXPECT_EQ(r.s.qso.mod_combo.text(), "CW");
    EXPECT_NE(status_line(r.s).find(hu(u8"Rádió: 14025 kHz CW")), Text::npos);

    r.s.qso.mod_combo.set(1);  // the operator's choice stands until the radio turns
    r.read(14'025'600, "CW");
    EXPECT_EQ(r.s.qso.mod_combo.text(), "SSB");
    r.read(14'030'000, "RTTY");  // no mode of the log: the selector is left alone
    EXPECT_EQ(r.s.qso.mod_combo.text(), "SSB");

    r.type_call("HA1ABC");
    r.s.qso.kapott_sorszam_text = "001";
    r.s.qso.kapott_QRA_text = "JN97AA";
    hozzaadas_rutin(r.s);
    ASSERT_EQ(r.s.log_lista.size(), 1u);
    EXPECT_EQ(col(r.s.log_lista.at(0), 108, 7), "14030  ");
}

TEST(RigFollowing, ABandChangeWaitsForTheQsoBeingTyped) {
    Radio r;
    r.read(144'300'000);
    ASSERT_EQ(r.s.current_band_index, 14);
    r.type_call("HA1ABC");
    r.s.qso.kapott_sorszam_text = "001";
    r.s.qso.kapott_QRA_text = "JN97AA";
    r.read(432'200'000);
    EXPECT_EQ(r.s.current_band_index, 14);
    EXPECT_EQ(r.s.qso.frekvencia_text, "00.000");
    hozzaadas_rutin(r.s);
    // The QSO went into the log of the band it was typed on; then the radio's band was taken.
    EXPECT_EQ(r.s.current_band_index, 16);
    EXPECT_TRUE(r.s.log_lista.empty());
    const auto band_log = read_file(r.system_file("tmp_log_145 MHz.dat"));
    ASSERT_TRUE(band_log.has_value());
    EXPECT_NE(band_log->find("=145 MHz="), Text::npos);

    // An earlier QSO being edited holds the band too.
    r.s.edit_mode = true;
    r.read(7'012'000);
    EXPECT_EQ(r.s.current_band_index, 16);
    r.s.edit_mode = false;

    // A QSO cleared by hand lets the band go at the next reading.
    r.type_call("HA2DEF");
    r.read(50'100'000);
    EXPECT_EQ(r.s.current_band_index, 16);
    r.s.qso.kapott_hivojel_text.clear();
    r.read(50'100'000);
    EXPECT_EQ(r.s.current_band_index, 12);
}

TEST(RigFollowing, BandButtonsTuneTheRadioAndEarlierReadingsArePassedOver) {
    Radio r(ContestType::Hadx);
    r.read(14'025'000);
    r.read(18'100'000);
    freki_down_cmd_Click(r.s);  // back to 14 MHz: the radio goes to its last frequency there
    ASSERT_EQ(r.fakes.rig.tuned.size(), 1u);
    EXPECT_EQ(r.fakes.rig.tuned[0].first, 14'025'000);
    rig_reading(r.s, 18'100'000, "USB", r.fakes.rig.tuned[0].second - 1);  // taken before the tune
    EXPECT_EQ(r.s.current_band_index, 7);
    freki_up_cmd_Click(r.s);
    freki_up_cmd_Click(r.s);  // a band never visited: its start
    EXPECT_EQ(r.fakes.rig.tuned.back().first, 21'000'000);

    r.s.qso.frekvencia_text = "03.512";
    char enter = '\r';
    EXPECT_TRUE(entry_key_press(r.s, Control::frekvencia_text, enter));
    EXPECT_EQ(r.fakes.rig.tuned.back().first, 3'512'000);
}

TEST(RigLink, OneNoticePerOutageAndTheLamp) {
    Radio r;
    r.fakes.ui.notices.clear();
    const Text gone = hu(u8"A rádió nem válaszol: IO error");
    rig_link_changed(r.s, false, gone);
    rig_link_changed(r.s, false, gone);
    EXPECT_EQ(r.s.rig.lamp, RigLamp::Silent);
    EXPECT_EQ(r.fakes.ui.notices, std::vector<Text>{gone});
    EXPECT_NE(status_line(r.s).find(hu(u8"Rádió: nem válaszol")), Text::npos);
    r.read(7'000'000);
    EXPECT_EQ(r.s.rig.lamp, RigLamp::Answering);
    EXPECT_TRUE(r.fakes.ui.notices.empty());
    rig_link_changed(r.s, false, "timeout");
    EXPECT_EQ(r.fakes.ui.notices.size(), 1u);
}

TEST(RigOutputs, CwThroughCwdaemonWithoutAKeyingBox) {
    Radio r;
    r.fakes.serial.close();
    r.s.rig.form.cw_kimenet_combo.set(static_cast<int>(CwOutput::Cwdaemon));
    rig_alkalmaz_cmd_Click(r.s);
    r.s.qso.mod_combo.set(2);
    keyer_control_changed(r.s, Control::mod_combo);
    r.s.keyer.cw_messages[0] = "CQ <M>";
    cw_combo_toltes(r.s);
    EXPECT_TRUE(funkcio_billentyu(r.s, 1));
    for (int i = 0; i < 3; ++i) call_vekker_Timer(r.s);
    ASSERT_EQ(r.fakes.cwdaemon.sent.size(), 1u);
    EXPECT_EQ(r.fakes.cwdaemon.sent[0], std::make_pair(Text("CQ HA5XX"), 15));
    EXPECT_TRUE(r.s.keyer.calling_active());
    r.fakes.cwdaemon.finished = true;
    for (int i = 0; i < 3; ++i) call_vekker_Timer(r.s);
    EXPECT_FALSE(r.s.keyer.calling_active());
    cancel_cmd_Click(r.s);
    EXPECT_EQ(r.fakes.cwdaemon.stops, 1);
}

TEST(RigOutputs, VoiceOnTheAirThroughTheRadiosPtt) {
    Radio r;
    r.s.rig.form.ptt_combo.set(static_cast<int>(VoicePtt::Rig));
    rig_alkalmaz_cmd_Click(r.s);
    on_air_rutin(r.s);
    off_air_rutin(r.s);
    EXPECT_EQ(r.fakes.rig.ptts, (std::vector<bool>{true, false}));
    EXPECT_FALSE(r.s.keyer.on_air);  // the box is not asked
}

}  // namespace
}  // namespace loxar
