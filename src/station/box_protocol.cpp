// The keying box's commands and replies as plain text.
#include "station/box_protocol.hpp"

#include <algorithm>

namespace loxar {

namespace {

char digit(int n) {
    return static_cast<char>('0' + std::clamp(n, 0, 9));
}
char flag(bool on) {
    return on ? '1' : '0';
}

constexpr long long kHeardWithinMs = 1000;
constexpr long long kSilentAfterMs = 2000;

}  // namespace

Text settings_line(const KeyerSettings& k, bool on_air, short stop_request, bool voice_mode) {
    Text t = "w" + zero_pad(std::max(0, k.wpm_combo.list_index) + 5, 2);
    t += {'o', flag(k.bal_kez_check), 'x', '1', 'm', flag(k.monitor_check), 'k', flag(k.elkey_check)};
    t += {'r', flag(on_air), 'd', digit(std::max(0, k.kesleltetes_combo.list_index) + 2)};
    t += {'b', digit(stop_request), 'u', flag(voice_mode), 'R', digit(std::max(0, k.ROGER_combo.list_index))};
    t += 'a';
    for (const Combo& gain : k.erosito_combo) t += digit(std::max(0, gain.list_index));
    return t;
}

Text amplifier_line(const KeyerSettings& k) {
    Text t = "a";
    for (const Combo& gain : k.erosito_combo) t += digit(std::max(0, gain.list_index));
    return t + kCrLf;
}

Text cw_message_command(const Text& expanded_message) {
    return "s" + expanded_message + " \r";
}

std::vector<Text> split_replies(Text& receive_line, std::string_view incoming) {
    std::vector<Text> lines;
    for (char c : incoming) {
        if (c == '-' || c == '\n') continue;
        if (c == '\r') {
            lines.push_back(std::move(receive_line));
            receive_line.clear();
        } else {
            receive_line += c;
        }
    }
    return lines;
}

ReplyKind reply_kind(std::string_view line) {
    if (line.empty()) return ReplyKind::Other;
    switch (line[0]) {
        case 'w': return ReplyKind::StatusLine;
        case 'i': return ReplyKind::Identification;
        case 'O': return ReplyKind::Acknowledgement;
        case 'M': return ReplyKind::Memory;
        default: return ReplyKind::Other;
    }
}

BoxStatus read_status(std::string_view line) {
    BoxStatus st;
    st.shown = col(line, 1, 40);
    st.remaining = static_cast<short>(val(col(line, 5, 3)));
    st.calling = col(line, 15, 1) == "1";
    st.stop = static_cast<short>(val(col(line, 21, 1)));
    return st;
}

Text identification_text(std::string_view line) {
    return trim(col(line, 3, 35));
}

std::array<int, 3> status_gains(std::string_view status) {
    std::array<int, 3> gains{-1, -1, -1};
    for (std::size_t k = 0; k < gains.size(); ++k) {
        const Text c = col(status, 27 + k, 1);
        if (c.size() == 1 && c[0] >= '0' && c[0] <= '9') gains[k] = c[0] - '0';
    }
    return gains;
}

Text eprom_settings_text(const Text& speed, bool left_hand, bool monitor, bool keyer,
                         const Text& delay_digit) {
    const Text on = "Be", off = "Ki";
    return "WPM: " + speed + hu(u8"   Polaritás: ") + (left_hand ? hu(u8"Bal kéz") : hu(u8"Jobb kéz")) +
           "   Monitor: " + (monitor ? on : off) + "   Keyer: " + (keyer ? on : off) +
           hu(u8"   Késleltetés: ") + delay_digit + "00";
}

Text eprom_settings_from_slot(std::string_view slot0) {
    return eprom_settings_text(col(slot0, 4, 2), col(slot0, 11, 1) != "0", col(slot0, 9, 1) == "1",
                               col(slot0, 7, 1) == "1", col(slot0, 13, 1));
}

Text eprom_write_command(int slot, const Text& message) {
    return "W" + std::to_string(slot) + message + kCrLf;
}

BoxLamp box_lamp(bool port_open, long long now_ms, long long opened_ms, long long last_status_ms,
                 long long last_heard_ms) {
    if (!port_open) return BoxLamp::Closed;
    if (last_status_ms >= 0 && now_ms - last_status_ms < kHeardWithinMs) return BoxLamp::Heard;
    if (now_ms - std::max(opened_ms, last_heard_ms) >= kSilentAfterMs) return BoxLamp::Silent;
    return BoxLamp::Waiting;
}

Text box_lamp_text(BoxLamp lamp) {
    switch (lamp) {
        case BoxLamp::Heard: return hu(u8"Billentyűző: válaszol");
        case BoxLamp::Waiting: return hu(u8"Billentyűző: válaszra vár");
        case BoxLamp::Silent: return hu(u8"Billentyűző: nem válaszol!");
        case BoxLamp::Closed: break;
    }
    return hu(u8"Billentyűző: nincs megnyitva");
}

}  // namespace loxar
