// The calling messages' files and list items as plain text: message sets and the call settings.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "station/station_control.hpp"

namespace loxar {

// "F01:" and the message: the list item of message k (1-12).
Text message_item(int k, const Text& shown);
// What the voice list shows of a path: its file name, or its last 16 characters.
Text voice_file_name(const Text& path);
// An entry that stands for no message.
bool empty_message(const Text& entry);

enum class MessageSet { Voice, Cw };
Text message_set_header(MessageSet set);  // "Wave setup", "CW setup"

// A set file: the header, the twelve messages and "End".
Text message_set_text(MessageSet set, const std::array<Text, kMessageSlots>& messages);

struct MessageSetRead {
    enum class Result { Ok, WrongFormat, NoEnd } result = Result::Ok;
    Text line;                  // the first line (WrongFormat) or the last one read (NoEnd)
    std::vector<Text> entries;  // the messages read, at most kMessageSlots
};
MessageSetRead read_message_set(MessageSet set, std::string_view bytes);

// The call settings file "hivas_adat.txt".
struct CallSettings {
    std::array<Text, kFunctionKeys> voice, cw;
    int port = 0, delay = 0, wpm = 0;
    bool left_hand = false, elkey = false, monitor = false;
};
Text call_settings_text(const CallSettings& c);
// Nothing when a check line is wrong.
std::optional<CallSettings> read_call_settings(std::string_view bytes);

}  // namespace loxar
