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
    short poll_phase = 0;  // 0: the next tick sends; 1: it reads
    Text receive_line;
    short reply_seen = 0;
    short on_air = 0;
    short stop_request = 0;
    short remaining_count = 0;
    short ack_received = 0;
    short memory_line_received = 0;
    Text last_memory_line;
    std::array<Text, kEpromSlots> eprom_slots;
    short t_key_on = 0;
    Text usb_valasz_text;  // the box's last status line
    Text ID_text;
    ListBox EPROM_lista;

    // Automatic calling.
    short calling_active = 0;  // -1 while calling runs
    short calling_state = 0;   // 0-4
    short playing = 0;
    short pause_ticks = 0;
    short cw_continue = 0;

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
