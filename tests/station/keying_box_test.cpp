// The keying box link: settings line, poll cycle, replies, EPROM, port loss and the lamp.
#include "session/keying_box.hpp"

#include <gtest/gtest.h>

#include "station/box_protocol.hpp"
#include "station/station_fixture.hpp"

namespace loxar {
namespace {

using testing::Station;
using testing::status_line;

TEST(SettingsLine, EveryControlHasItsPlace) {
    Station st(1);  // SSB
    KeyerSettings& k = st.s.keyer.settings;
    k.wpm_combo.set(25);
    k.bal_kez_check = k.monitor_check = k.elkey_check = true;
    k.kesleltetes_combo.set(7);
    k.ROGER_combo.set(5);
    k.erosito_combo[0].set(7);
    k.erosito_combo[1].set(0);
    k.erosito_combo[2].set(4);
    st.s.keyer.on_air = true;
    st.s.keyer.stop_request = 0;
    ASSERT_TRUE(keyer_control_changed(st.s, Control::wpm_combo));
    EXPECT_EQ(st.s.keyer.box_command, "w30o1x1m1k1r1d9b0u1R5a704\r\n");
    ASSERT_TRUE(keyer_control_changed(st.s, Control::erosito_combo_2));
    EXPECT_EQ(st.s.keyer.amplifier_command, "a704\r\n");
    EXPECT_FALSE(keyer_control_changed(st.s, Control::kapott_hivojel_text));
}

TEST(PollStep, PriorityAndPhases) {
    Station st;
    st.sent();  // the start queued the gains
    st.s.keyer.amplifier_command = "a333\r\n";
    st.s.keyer.box_command = "ID\r\n";
    st.s.keyer.eprom_command = "R0\r\n";
    const char* expected[] = {"R0\r\n", "a333\r\n", "", "ID\r\n", "", "?\r\n", "", "?\r\n"};
    for (const char* e : expected) {
        st.tick();
        EXPECT_EQ(st.sent(), e);
    }
    EXPECT_EQ(st.s.view[Control::kerdezo_label].back, Color::Red);
}

TEST(Replies, SplitAcrossReadsAndDashesDropped) {
    Station st;
    st.run(2);
    const Text status = status_line("015", '1', '1', "701");
    st.fakes.serial.incoming = "w-" + status.substr(1, 3);
    st.run(2);
    EXPECT_EQ(st.s.keyer.receive_line, status.substr(0, 4));
    st.s.keyer.ismetles_check = Tristate::Ticked;
    st.fakes.serial.incoming = status.substr(4) + "\r\ni:BOX 1.0  \rO\rMslot-one \r";
    st.run(2);
    EXPECT_EQ(st.s.keyer.usb_valasz_text, status);
    EXPECT_EQ(st.s.keyer.remaining_count, 15);
    EXPECT_EQ(st.s.view[Control::hivas_cmd].back, Color::Red);
    EXPECT_EQ(st.s.keyer.stop_request, 1);
    EXPECT_EQ(st.s.keyer.ismetles_check, Tristate::Clear);
    EXPECT_EQ(st.s.keyer.ID_text, "BOX 1.0");
    EXPECT_TRUE(st.s.keyer.ack_received);
    EXPECT_EQ(st.s.keyer.last_memory_line, "Mslotone");
    EXPECT_TRUE(st.s.keyer.receive_line.empty());
    analog_frissites(st.s);
    EXPECT_EQ(st.s.keyer.settings.erosito_combo[0].list_index, 7);
    EXPECT_EQ(st.s.keyer.settings.erosito_combo[2].list_index, 1);
}

TEST(Eprom, WriteReadEraseWithTheBoxAnswering) {
    Station st;
    st.s.keyer.cw_messages[0] = "CQ <M>";
    st.s.station.hivojel_text = "HA5XX";
    cw_combo_toltes(st.s);
    st.box = [](const Text& fresh) {
        Text reply;
        if (fresh.find("W") != Text::npos) reply += "O\r";
        if (auto r = fresh.find("R"); r != Text::npos)
            reply += "M" + fresh.substr(r + 1, 1) + "w15k1m1o0d5\r";
        return reply;
    };
    EPROM_cmd_Click(st.s, 0);
    const Text written = st.sent();
    EXPECT_NE(written.find("W1CQ HA5XX\r\n"), Text::npos);
    EXPECT_NE(written.find("W4-----\r\n"), Text::npos);
    EXPECT_EQ(st.fakes.ui.messages.back(), "Sent!");

    EPROM_cmd_Click(st.s, 1);
    ASSERT_EQ(st.s.keyer.EPROM_lista.size(), 5u);
    EXPECT_EQ(st.s.keyer.EPROM_lista.at(0),
              hu(u8"WPM: 15   Polaritás: Jobb kéz   Monitor: Be   Keyer: Be   Késleltetés: 500"));
    EXPECT_EQ(st.s.keyer.EPROM_lista.at(4), "M4w15k1m1o0d5");

    EPROM_cmd_Click(st.s, 3);
    EXPECT_NE(st.sent().find("WI\r\n"), Text::npos);
    EXPECT_EQ(st.fakes.ui.messages.back(), "Done!");
}

TEST(Eprom, SilentBoxEndsTheWaitWithAMessage) {
    for (int button : {0, 1, 3}) {
        Station st;
        EPROM_cmd_Click(st.s, button);
        EXPECT_EQ(st.fakes.ui.messages.back(), hu(u8"A billentyűző nem válaszolt!")) << button;
        EXPECT_LE(st.ticks, 40) << button;
        EXPECT_FALSE(st.s.keyer.eprom_busy);
    }
    Station closed;
    closed.fakes.serial.opened = false;
    EPROM_cmd_Click(closed.s, 0);
    EXPECT_EQ(closed.fakes.ui.messages.back(), hu(u8"Nincs kapcsolat!"));
}

TEST(Port, LostDeviceClosesOnceAndDisablesCalling) {
    Station st;
    st.s.keyer.calling_state = CallingStep::Wait;
    st.fakes.serial.opened = false;
    st.fakes.serial.failure = PortError::Lost;
    st.run(5);
    EXPECT_EQ(st.fakes.ui.notices.size(), 1u);
    EXPECT_FALSE(st.s.view[Control::log_hivas_keret].enabled);
    EXPECT_FALSE(st.s.keyer.calling_active());
    EXPECT_EQ(st.s.view[Control::billentyuzo_lampa].back, Color::Grey);
}

TEST(Port, OpenFailuresSayWhy) {
    struct Case {
        PortError error;
        const char8_t* message;
    } cases[] = {
        {PortError::NotFound, u8"Nem silkerült megnyitni!"},
        {PortError::Busy, u8"Nem silkerült megnyitni!\r\nA portot más program használja."},
        {PortError::NoPermission,
         u8"Nem silkerült megnyitni!\r\nNincs jogosultság; a felhasználó legyen a dialout csoport tagja."},
    };
    for (const Case& c : cases) {
        Station st;
        sio_close_cmd_Click(st.s);
        EXPECT_EQ(st.fakes.ui.messages.back(), hu(u8"Bezárva!"));
        st.fakes.serial.available = false;
        st.fakes.serial.failure = c.error;
        sio_open_cmd_Click(st.s);
        EXPECT_EQ(st.fakes.ui.messages.back(), hu(c.message));
    }
    testing::Home st;
    st.fakes.serial.com1_device = "/dev/ttyUSB0 FTDI";
    st.start();
    EXPECT_EQ(st.s.keyer.settings.billentyuzo_port_combo.items[0], "COM1  /dev/ttyUSB0 FTDI");
    EXPECT_EQ(st.s.keyer.settings.billentyuzo_port_combo.items[1], "COM2");
}

TEST(Lamp, FollowsTheTimeTheBoxWasHeard) {
    struct Case {
        bool open;
        long long now, opened, status, heard;
        BoxLamp lamp;
    } cases[] = {
        {false, 5000, 0, 4900, 4900, BoxLamp::Closed}, {true, 5000, 0, 4500, 4500, BoxLamp::Heard},
        {true, 5000, 0, 3500, 3500, BoxLamp::Waiting}, {true, 5000, 0, 2900, 2900, BoxLamp::Silent},
        {true, 1500, 0, -1, -1, BoxLamp::Waiting},     {true, 2500, 0, -1, -1, BoxLamp::Silent},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(box_lamp(c.open, c.now, c.opened, c.status, c.heard), c.lamp) << c.now << " " << c.status;
    }
}

TEST(TKey, CwAlternatesOtherModesOffAir) {
    Station cw;
    adas_kapcsolo(cw.s);
    EXPECT_TRUE(cw.s.keyer.t_key_on);
    adas_kapcsolo(cw.s);
    EXPECT_FALSE(cw.s.keyer.t_key_on);
    Station ssb(1);
    ssb.s.keyer.on_air = true;
    adas_kapcsolo(ssb.s);
    EXPECT_FALSE(ssb.s.keyer.t_key_on);
    EXPECT_NE(ssb.sent().find("r0"), Text::npos);
}

}  // namespace
}  // namespace loxar
