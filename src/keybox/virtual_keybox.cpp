// The virtual keying box: command lines in, answer lines out, the CW message "sent" by the clock.
#include "keybox/virtual_keybox.hpp"

#include <algorithm>

#include "text/text.hpp"

namespace loxar {

namespace {

constexpr std::size_t kMaxLine = 1024;    // a longer command is cut: the box's line buffer
constexpr std::size_t kMaxSlotText = 64;  // characters an EPROM message slot keeps
const char* const kIdentification = "i Loxar virtual keybox 1.0";

std::string digits(int value, int width) {
    std::string s = std::to_string(std::clamp(value, 0, width == 1 ? 9 : width == 2 ? 99 : 999));
    return std::string(static_cast<std::size_t>(width) - std::min(s.size(), static_cast<std::size_t>(width)),
                       '0') +
           s;
}

std::string answer(const std::string& text) {
    return text + "\r\n";
}

}  // namespace

VirtualKeybox::VirtualKeybox(KeyboxOptions options) : options_(options), noise_(options.seed) {}

long long VirtualKeybox::ms_per_character(int wpm) {
    return 12000 / std::max(wpm, 5);
}

int VirtualKeybox::remaining(long long now_ms) const {
    if (message_length_ == 0) return 0;
    const long long sent = std::max(0LL, now_ms - message_start_ms_) / ms_per_character(settings_.speed);
    const long long left = static_cast<long long>(message_length_) - sent;
    return left > 0 ? static_cast<int>(std::min(left, 999LL)) : 0;
}

// Positions (from 1): 1 "w", 2-3 speed, 4 "c", 5-7 characters still to send, 8-9 "o" polarity,
// 10-11 "m" monitor, 12-13 "k" keyer, 14-15 "t" transmitting (CW being sent or on air),
// 16-17 "r" on-air request, 18-19 "d" delay, 20-21 "b" stop, 22-23 "u" voice mode,
// 24-25 "R" roger, 26-29 "a" and the three gains, 30-31 "x", 32-33 "e" EPROM messages held,
// 34-41 the box's name. No "-" anywhere: the program drops those.
std::string VirtualKeybox::status(long long now_ms) const {
    const KeyboxSettings& s = settings_;
    const int left = remaining(now_ms);
    const int held = static_cast<int>(
        std::count_if(slots_.begin() + 1, slots_.end(), [](const std::string& t) { return !t.empty(); }));
    return "w" + digits(s.speed, 2) + "c" + digits(left, 3) + "o" + digits(s.polarity, 1) + "m" +
           digits(s.monitor, 1) + "k" + digits(s.keyer, 1) + "t" + (left > 0 || s.on_air == 1 ? "1" : "0") +
           "r" + digits(s.on_air, 1) + "d" + digits(s.delay, 1) + "b" + digits(s.stop, 1) + "u" +
           digits(s.voice, 1) + "R" + digits(s.roger, 1) + "a" + digits(s.gains[0], 1) +
           digits(s.gains[1], 1) + digits(s.gains[2], 1) + "x" + digits(s.x, 1) + "e" + digits(held, 1) +
           " VKB 1.0";
}

// Read back after "M", so that the trimmed reply holds speed at 4-5, keyer at 7, monitor at 9,
// polarity at 11 and delay at 13.
std::string VirtualKeybox::settings_line() const {
    const KeyboxSettings& s = settings_;
    return " w" + digits(s.speed, 2) + "k" + digits(s.keyer, 1) + "m" + digits(s.monitor, 1) + "o" +
           digits(s.polarity, 1) + "d" + digits(s.delay, 1) + "R" + digits(s.roger, 1) + "a" +
           digits(s.gains[0], 1) + digits(s.gains[1], 1) + digits(s.gains[2], 1);
}

std::string VirtualKeybox::receive(std::string_view bytes, long long now_ms) {
    std::string out;
    for (char c : bytes) {
        if (c == '\n') continue;
        if (c != '\r') {
            if (line_.size() < kMaxLine) line_ += c;
            continue;
        }
        const std::string reply = command(line_, now_ms);
        line_.clear();
        if (reply.empty() || options_.silent) continue;
        out += options_.garbage ? noisy(reply) : reply;
    }
    return out;
}

// The settings line is letter and value pairs ("w30o1x1m1k1r1d9b0u1R5a704"): two digits after
// "w", three after "a", one after the others; pairs the box does not know are passed over.
void VirtualKeybox::take_settings(std::string_view line) {
    KeyboxSettings& s = settings_;
    std::size_t i = 0;
    while (i < line.size()) {
        const char key = line[i++];
        const std::size_t width = key == 'w' ? 2 : key == 'a' ? 3 : 1;
        if (i + width > line.size() || !std::all_of(line.begin() + static_cast<long>(i),
                                                    line.begin() + static_cast<long>(i + width), is_digit)) {
            continue;
        }
        auto digit = [&](std::size_t k) { return line[i + k] - '0'; };
        switch (key) {
            case 'w': s.speed = digit(0) * 10 + digit(1); break;
            case 'o': s.polarity = digit(0); break;
            case 'x': s.x = digit(0); break;
            case 'm': s.monitor = digit(0); break;
            case 'k': s.keyer = digit(0); break;
            case 'r': s.on_air = digit(0); break;
            case 'd': s.delay = digit(0); break;
            case 'b': s.stop = digit(0); break;
            case 'u': s.voice = digit(0); break;
            case 'R': s.roger = digit(0); break;
            case 'a': s.gains = {std::min(digit(0), 7), std::min(digit(1), 7), std::min(digit(2), 7)}; break;
            default: continue;
        }
        i += width;
    }
    // A stop drops the CW message being sent.
    if (s.stop == 1) message_length_ = 0;
}

std::string VirtualKeybox::command(const std::string& line, long long now_ms) {
    // The CW message keeps its blanks: they are sent too.
    if (!line.empty() && line[0] == 's') {
        message_length_ = line.size() - 1;
        message_start_ms_ = now_ms;
        settings_.stop = 0;  // a new message is the operator's, whatever stopped the last one
        return {};
    }
    std::string cmd = line;
    while (!cmd.empty() && cmd.back() == ' ') cmd.pop_back();
    if (cmd == "?") return answer(status(now_ms));
    if (cmd == "ID") return answer(kIdentification);
    // The settings line, or the gains alone ("a" and three digits).
    if (!cmd.empty() && (cmd[0] == 'w' || cmd[0] == 'a')) {
        take_settings(cmd);
        return {};
    }
    if (options_.no_eprom || cmd.size() < 2) return {};
    if (cmd == "WI") {
        for (auto& slot : slots_) slot.clear();
        return answer("O");
    }
    if (cmd[0] == 'W' && cmd[1] >= '1' && cmd[1] <= '4') {
        slots_[static_cast<std::size_t>(cmd[1] - '0')] = line.substr(2, kMaxSlotText);
        return answer("O");
    }
    if (cmd == "R0") return answer("M" + settings_line());
    if (cmd.size() == 2 && cmd[0] == 'R' && cmd[1] >= '1' && cmd[1] <= '4') {
        return answer("M" + slots_[static_cast<std::size_t>(cmd[1] - '0')]);
    }
    return {};
}

// "-" and LF anywhere in the answer (the program drops both), and now and then a stray line
// whose first character is of no kind the program reads, full of random bytes but no CR.
std::string VirtualKeybox::noisy(const std::string& reply) {
    std::uniform_int_distribution<int> percent(0, 99);
    std::string out;
    if (percent(noise_) < 40) {
        const char* const leads = "#xzEQ!";
        out += leads[std::uniform_int_distribution<int>(0, 5)(noise_)];
        const int n = std::uniform_int_distribution<int>(3, 20)(noise_);
        for (int k = 0; k < n; ++k) {
            int b = std::uniform_int_distribution<int>(1, 255)(noise_);
            if (b == '\r') b = '?';
            out += static_cast<char>(b);
        }
        out += "\r\n";
    }
    for (char c : reply) {
        if (percent(noise_) < 15) out += percent(noise_) < 50 ? '-' : '\n';
        out += c;
    }
    return out;
}

}  // namespace loxar
