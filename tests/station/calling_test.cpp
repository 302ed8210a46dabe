// Automatic calling, the message lists and their files.
#include "session/calling.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

#include "model/file_io.hpp"
#include "session/window_keys.hpp"
#include "station/message_files.hpp"
#include "station/station_fixture.hpp"

namespace loxar {
namespace {

using testing::Station;
using testing::status_line;

constexpr int kSsb = 1, kCw = 2, kRtty = 4;

TEST(Calling, CwMessageIsSentAndRepeatedFiveSecondsAfterTheBoxFinished) {
    Station st(kCw);
    st.s.station.hivojel_text = "HA5XX";
    st.s.keyer.cw_messages[0] = "CQ <M>";
    cw_combo_toltes(st.s);
    EXPECT_EQ(st.s.keyer.hivas_lista[1].at(0), "F01:CQ HA5XX");
    // An own callsign typed later shows in the list at the next tick, the selection kept.
    st.s.station.hivojel_text = "HA5YY";
    st.s.keyer.hivas_lista[1].select_only(3);
    st.s.keyer.hivas_lista[1].list_index = 3;
    st.tick();
    EXPECT_EQ(st.s.keyer.hivas_lista[1].at(0), "F01:CQ HA5YY");
    EXPECT_EQ(st.s.keyer.hivas_lista[1].list_index, 3);
    st.s.station.hivojel_text = "HA5XX";
    st.tick();
    st.s.keyer.ismetles_check = Tristate::Ticked;
    st.s.keyer.settings.ismetles_combo.set(3);  // 5 s
    Text remaining = "010";
    st.box = [&remaining](const Text&) { return status_line(remaining, '1', '0', "333") + "\r"; };
    ASSERT_TRUE(Form_KeyDown(st.s, WindowKey::F1));
    st.run(6);
    EXPECT_NE(st.sent().find("sCQ HA5XX \r"), Text::npos);
    EXPECT_EQ(st.s.keyer.calling_state, CallingStep::Wait);
    remaining = "000";
    int ticks = 0;
    while (st.s.keyer.calling_state != CallingStep::Pause && ticks++ < 10) st.tick();
    ASSERT_EQ(st.s.keyer.calling_state, CallingStep::Pause);
    st.run(49);
    EXPECT_EQ(st.s.keyer.calling_state, CallingStep::Pause);
    st.tick();
    EXPECT_EQ(st.s.keyer.calling_state, CallingStep::OnAir);

    // Stop: repetition off, the box told to stop; calling ends after the message.
    cancel_cmd_Click(st.s);
    EXPECT_EQ(st.s.keyer.ismetles_check, Tristate::Clear);
    st.run(20);
    EXPECT_NE(st.sent().find("b1"), Text::npos);
    EXPECT_FALSE(st.s.keyer.calling_active());
    EXPECT_EQ(st.s.view[Control::hivas_cmd].caption, hu(u8"Hívás &Indítás"));
}

TEST(Calling, ALateAnswerFromBeforeTheCwMessageDoesNotEndCalling) {
    Station st(kCw);
    st.s.keyer.cw_messages[0] = "CQ";
    cw_combo_toltes(st.s);
    // A slow box: each status query is answered only with the next command it receives.
    bool sending = false;
    Text late;
    st.box = [&](const Text& got) {
        Text out = std::exchange(late, Text());
        if (got.starts_with("sCQ")) sending = true;
        if (got.starts_with("?"))
            late = status_line(sending ? "002" : "000", sending ? '1' : '0', '0', "333") + "\r";
        return out;
    };
    st.run(6);
    ASSERT_TRUE(Form_KeyDown(st.s, WindowKey::F1));
    st.run(20);
    ASSERT_TRUE(sending);
    EXPECT_TRUE(st.s.keyer.calling_active());
    sending = false;
    st.run(10);
    EXPECT_FALSE(st.s.keyer.calling_active());
}

TEST(Calling, VoiceMessagePlaysOnAirAndEndsOffAir) {
    Station st(kSsb);
    const Text wav = text_path(st.home.path() / "SYSTEM" / "SSB" / "cq.wav");
    std::ofstream(fs_path(wav)) << "RIFF";
    st.s.keyer.voice_messages[1] = wav;
    voice_combo_toltes(st.s);
    EXPECT_EQ(st.s.keyer.hivas_lista[0].at(1), "F02:cq.wav");
    st.box = [](const Text&) { return status_line("000", '0', '0', "333") + "\r"; };
    ASSERT_TRUE(Form_KeyDown(st.s, WindowKey::F2));
    st.run(4);
    EXPECT_TRUE(st.fakes.player.playing);
    EXPECT_EQ(st.fakes.player.file, wav);
    EXPECT_EQ(st.fakes.player.interval_ms, 50);
    EXPECT_NE(st.sent().find("r1d2b0u1"), Text::npos);
    st.fakes.player.report();
    EXPECT_TRUE(st.s.keyer.playing);
    st.fakes.player.playing = false;
    st.fakes.player.report();
    EXPECT_EQ(st.fakes.player.interval_ms, 0);
    EXPECT_EQ(st.fakes.player.prevs, 1);
    st.run(3);
    EXPECT_FALSE(st.s.keyer.calling_active());
    EXPECT_NE(st.sent().find("r0"), Text::npos);
}

TEST(Calling, BoxStopEndsVoiceRepetition) {
    Station st(kSsb);
    const Text wav = text_path(st.home.path() / "SYSTEM" / "SSB" / "a.wav");
    std::ofstream(fs_path(wav)) << "RIFF";
    st.s.keyer.voice_messages[0] = wav;
    voice_combo_toltes(st.s);
    st.s.keyer.ismetles_check = Tristate::Ticked;
    ASSERT_TRUE(Form_KeyDown(st.s, WindowKey::F1));
    st.run(20);
    ASSERT_EQ(st.s.keyer.calling_state, CallingStep::Wait);
    st.fakes.serial.incoming = status_line("000", '0', '1', "333") + "\r";
    st.run(3);
    EXPECT_EQ(st.s.keyer.ismetles_check, Tristate::Clear);
    EXPECT_FALSE(st.fakes.player.playing);
    EXPECT_FALSE(st.s.keyer.calling_active());
}

TEST(FunctionKeys, WhatStartsCallingAndWhatDoesNot) {
    struct Case {
        int mode;
        bool voice_file_exists;
        bool starts;
        const char* message;  // shown to the operator, "" for none
    } cases[] = {
        {kCw, false, true, ""},
        {kRtty, false, false, ""},                // no message kind belongs to this mode
        {kSsb, false, false, "File not found!"},  // the file went away since it was chosen
        {kSsb, true, true, ""},
    };
    for (const Case& c : cases) {
        Station st(c.mode);
        const Text wav = text_path(st.home.path() / "gone.wav");
        if (c.voice_file_exists) std::ofstream(fs_path(wav)) << "RIFF";
        st.s.keyer.voice_messages[4] = wav;
        st.s.keyer.cw_messages[4] = "TEST";
        Form_KeyDown(st.s, WindowKey::F5);
        EXPECT_EQ(st.s.keyer.calling_active(), c.starts) << c.mode;
        EXPECT_EQ(st.fakes.ui.messages.empty() ? "" : st.fakes.ui.messages.back(), c.message) << c.mode;
    }
    Station empty(kSsb);
    empty.s.keyer.hivas_lista[0].select_only(2);
    EXPECT_FALSE(Form_KeyDown(empty.s, WindowKey::F5));
    EXPECT_FALSE(empty.s.keyer.calling_active());
    EXPECT_TRUE(empty.fakes.ui.messages.empty());
}

// With no port open neither the call button nor a function key arms calling: opening the port
// later must not put the transmitter on the air.
TEST(Calling, NothingIsArmedWithoutAnOpenPort) {
    for (const int mode : {kCw, kSsb}) {
        for (const bool button : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "mode " << mode << (button ? " button" : " F1"));
            Station st(mode);
            const Text wav = text_path(st.home.path() / "SYSTEM" / "SSB" / "cq.wav");
            std::ofstream(fs_path(wav)) << "RIFF";
            st.s.keyer.voice_messages[0] = wav;
            st.s.keyer.cw_messages[0] = "CQ TEST";
            voice_combo_toltes(st.s);
            cw_combo_toltes(st.s);
            st.fakes.serial.opened = false;
            if (button) {
                hivas_cmd_Click(st.s);
            } else {
                EXPECT_TRUE(Form_KeyDown(st.s, WindowKey::F1));
            }
            EXPECT_FALSE(st.s.keyer.calling_active());
            EXPECT_EQ(st.s.keyer.calling_state, CallingStep::Idle);
            EXPECT_EQ(st.fakes.ui.notices, (std::vector<Text>{hu(u8"Nincs kapcsolat a billentyűzővel!")}));
            EXPECT_NE(st.s.view[Control::hivas_cmd].caption, hu(u8"leáll&Itás"));
            st.fakes.serial.opened = true;
            st.run(20);
            EXPECT_FALSE(st.s.keyer.calling_active());
            EXPECT_EQ(st.sent().find("r1"), Text::npos);
            EXPECT_FALSE(st.fakes.player.playing);
            // The box connected again: the notice of its absence goes.
            st.fakes.serial.opened = false;
            sio_open_cmd_Click(st.s);
            EXPECT_TRUE(st.fakes.ui.notices.empty());
        }
    }
}

TEST(MessageLists, AddDeleteAndTheVoiceChooser) {
    Station st;
    st.s.keyer.hivas_lista[1].select_only(2);
    st.s.keyer.hivas_cw_text = "  ";
    hivas_hozzaadas_rutin(st.s, 1);
    EXPECT_EQ(st.fakes.ui.messages.back(), hu(u8"Nincs mit hozzáadni'"));
    st.s.keyer.hivas_cw_text = " TEST <M> ";
    hivas_hozzaadas_rutin(st.s, 1);
    EXPECT_EQ(st.s.keyer.cw_messages[2], "TEST <M>");

    st.s.keyer.hivas_lista[0].select_only(2);
    st.fakes.ui.chooser_results = {"/x/F3.wav"};
    hivas_hozzaadas_rutin(st.s, 0);
    EXPECT_EQ(st.s.dialog.chooser_extension, "wav");
    EXPECT_EQ(st.s.keyer.voice_messages[2], "/x/F3.wav");

    st.s.keyer.hivas_lista[1].select_only(2);
    hivas_lista_torles(st.s, 1);
    EXPECT_EQ(st.s.keyer.cw_messages[2], "-----");
    EXPECT_EQ(st.s.keyer.voice_messages[2], "/x/F3.wav");
}

TEST(MessageSets, SavedSetLoadsBackAndBrokenOnesAreRefused) {
    Station st;
    st.s.keyer.cw_messages[0] = "CQ TEST";
    const Text path = text_path(st.s.paths.cw_dir / "set.cw");
    st.fakes.ui.chooser_results = {path};
    hivas_mentes_rutin(st.s, 1);
    EXPECT_EQ(read_file(fs_path(path)).value_or("").substr(0, 19), "CW setup\r\nCQ TEST\r\n");

    struct Case {
        const char* file;
        const char* message;
        const char* first;  // CW message 1 afterwards
    } cases[] = {
        {"CW setup\r\nEnd\r\n", "", "----"},
        {"Wave setup\r\nA\r\nEnd\r\n", "Wave setupWrong format!  ", "CQ TEST"},
        {"CW setup\r\nA\r\nB\r\n", "BEnd not found!  ", "CQ TEST"},
    };
    for (const Case& c : cases) {
        st.s.keyer.cw_messages[0] = "CQ TEST";
        st.fakes.ui.messages.clear();
        std::ofstream(fs_path(path), std::ios::binary | std::ios::trunc) << c.file;
        st.fakes.ui.chooser_results = {path};
        hivas_beolvasas_cmd_Click(st.s, 1);
        EXPECT_EQ(st.fakes.ui.messages.empty() ? "" : st.fakes.ui.messages.back(), c.message) << c.file;
        EXPECT_EQ(st.s.keyer.cw_messages[0], c.first) << c.file;
    }
}

TEST(CallSettings, FileReadsBackUnchanged) {
    Station st;
    st.s.keyer.cw_messages[11] = "CQ <M> TEST";
    st.s.keyer.voice_messages[0] = "/home/op/cq.wav";
    st.s.keyer.settings.billentyuzo_port_combo.set(3);
    st.s.keyer.settings.wpm_combo.set(20);
    st.s.keyer.settings.elkey_check = true;
    hivas_adat_mentes(st.s);
    const Text written = read_file(st.system_file("hivas_adat.txt")).value_or("");
    const std::vector<Text> lines = split_lines(written);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[27], "CQ <M> TEST");
    EXPECT_EQ(lines[29], "3");

    testing::Home again;
    std::filesystem::create_directories(again.system_file(""));
    std::ofstream(again.system_file("hivas_adat.txt"), std::ios::binary) << written;
    again.start();
    EXPECT_EQ(again.s.keyer.settings.wpm_combo.list_index, 20);
    EXPECT_TRUE(again.s.keyer.settings.elkey_check);
    EXPECT_EQ(again.fakes.serial.last_com, 4);
    hivas_adat_mentes(again.s);
    EXPECT_EQ(read_file(again.system_file("hivas_adat.txt")), written);

    std::ofstream(again.system_file("hivas_adat.txt"), std::ios::binary | std::ios::trunc) << "Call data\r\n";
    hivas_adat_beolvasas(again.s);
    EXPECT_EQ(again.fakes.ui.messages.back(), hu(u8"Rossz a formátum!"));
    EXPECT_EQ(again.s.keyer.cw_messages[11], "CQ <M> TEST");
}

}  // namespace
}  // namespace loxar
