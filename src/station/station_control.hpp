// State of the keying-box link, the calling messages and automatic calling.
#pragma once

#include <array>

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

// Both message tables hold 33 entries; entries 0-11 belong to F1-F12.
inline constexpr std::size_t kMessageSlots = 33;
inline constexpr int kFunctionKeys = 12;
inline constexpr int kEpromSlots = 5;

// The repeat check box: clear, ticked, or greyed (CW calling from the call button holds on
// until the button is pressed again).
enum class Tristate { Clear, Ticked, Grey };

// Keyer settings of the calling panel.
struct KeyerSettings {
    Combo ismetles_combo;                // repeat period
    Combo wpm_combo;                     // keying speed
    Combo kesleltetes_combo;             // delay
    std::array<Combo, 3> erosito_combo;  // microphone, PC audio and roger gains
    Combo billentyuzo_port_combo;
    // Roger beep; its index is kept in the own-data file (reports/own_data).
    Combo ROGER_combo{{"----", "T", "K", "I", "R", "Teszt"}, 0};
    bool bal_kez_check = false;  // left-handed paddle
    bool monitor_check = false;  // sidetone
    bool elkey_check = false;    // electronic keyer rather than straight key
};

// How the box has been heard lately, for the lamp beside the port selector.
enum class BoxLamp { Closed, Heard, Waiting, Silent };

// The two halves of a poll: a tick sends a command or "?", the next reads the answer.
enum class PollPhase { Send, Read };

// The steps of automatic calling: go on the air, send the message, wait for its end, pause.
enum class CallingStep { Idle, OnAir, Send, Wait, Pause };

struct StationControl {
    KeyerSettings settings;

    // Messages: CW texts and voice file paths; an entry beginning with "-" is empty.
    std::array<Text, kMessageSlots> cw_messages;
    std::array<Text, kMessageSlots> voice_messages;
    std::array<ListBox, 2> hivas_lista;  // 0 voice, 1 CW
    Text listed_own_call;                // the own callsign the CW list's "<M>" shows
    short hivas_valaszto = 1;            // which list the window shows
    Text hivas_cw_text;
    Tristate ismetles_check = Tristate::Clear;

    // Commands waiting to be sent, by priority.
    Text eprom_command;
    Text amplifier_command;
    Text box_command;

    // The poll cycle and the replies.
    PollPhase poll_phase = PollPhase::Send;
    Text receive_line;
    bool reply_seen = false;  // since the last command or query went out
    bool on_air = false;      // transmit request of the voice modes
    short stop_request = 0;   // the box's stop digit, echoed back; 1 asks it to stop
    short remaining_count = 0;
    bool ack_received = false;
    bool memory_line_received = false;
    Text last_memory_line;
    std::array<Text, kEpromSlots> eprom_slots;
    bool t_key_on = false;  // the transmit key's CW toggle
    Text usb_valasz_text;   // the box's last status line
    Text ID_text;
    ListBox EPROM_lista;

    // Automatic calling.
    CallingStep calling_state = CallingStep::Idle;
    bool calling_active() const { return calling_state != CallingStep::Idle; }
    bool playing = false;  // a voice message is playing
    short pause_ticks = 0;
    bool cw_continue = false;  // grey repeat: CW calling goes on after the message

    // Status queries ("?") whose answer has not been read yet, at most 2; and, when a CW message
    // has gone out, how many status lines still to come answer queries sent before it. A slow
    // box's late answer from before the message must not end calling with its count of 0.
    short unanswered_queries = 0;
    short stale_status_lines = 0;

    // A tick that runs inside a wait of the calling step only polls the box.
    bool in_calling_step = false;
    bool eprom_busy = false;
    bool lost_told = false;        // the operator heard once that the device went away
    long long opened_ms = -1;      // monotonic time the port was opened
    long long last_heard_ms = -1;  // monotonic time of the last reply line
    long long last_status_ms = -1;
    BoxLamp lamp = BoxLamp::Closed;
};

}  // namespace loxar
