// The keying box's text protocol: the commands sent to it and the reading of its replies.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "station/station_control.hpp"

namespace loxar {

// The 25-character settings line (without CR LF): speed, polarity, monitor, keyer, transmit,
// delay, stop, voice mode, roger signal and the three gains, each from its control.
Text settings_line(const KeyerSettings& k, bool on_air, short stop_request, bool voice_mode);
// "a" and the three gain positions, CR LF.
Text amplifier_line(const KeyerSettings& k);
// "s", the message, one blank and CR: a CW message for the box to send.
Text cw_message_command(const Text& expanded_message);

// Adds `incoming` to the line being received: LF and "-" are dropped, CR ends a line. Returns the
// lines ended by this piece, in order; an unfinished line stays in `receive_line`.
std::vector<Text> split_replies(Text& receive_line, std::string_view incoming);

enum class ReplyKind { StatusLine, Identification, Acknowledgement, Memory, Other };
ReplyKind reply_kind(std::string_view line);

// What a status line ("w...") reports.
struct BoxStatus {
    Text shown;            // its first 40 characters
    short remaining = 0;   // characters 5-7: characters still to send
    bool calling = false;  // character 15 "1": the call button turns red
    short stop = 0;        // character 21
};
BoxStatus read_status(std::string_view line);
// Characters 3-37 of an identification line, trimmed.
Text identification_text(std::string_view line);
// The gain positions at characters 27-29 of a status line; -1 where there is no digit.
std::array<int, 3> status_gains(std::string_view status);

// The settings line shown in EPROM_lista.
Text eprom_settings_text(const Text& speed, bool left_hand, bool monitor, bool keyer,
                         const Text& delay_digit);
// The same, read from the EPROM's slot 0 as the box sends it back.
Text eprom_settings_from_slot(std::string_view slot0);
// "W1".."W4" with a CW message, CR LF.
Text eprom_write_command(int slot, const Text& message);

// The lamp: a status line within the last second; nothing heard for 2 s (since the port opened,
// or since the last reply line); in between, the box's answer is awaited. Times are monotonic
// milliseconds, -1 for never.
BoxLamp box_lamp(bool port_open, long long now_ms, long long opened_ms, long long last_status_ms,
                 long long last_heard_ms);
Text box_lamp_text(BoxLamp lamp);

}  // namespace loxar
