// A keying box in software: it answers the program's serial commands as the real box does, so
// the link can be tried and tested without the hardware (loxar-cli keybox puts it on a
// pseudo-terminal).
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace loxar {

struct KeyboxOptions {
    bool silent = false;     // receives everything, never answers
    bool no_eprom = false;   // ignores the EPROM commands (W..., R...), as a box without one
    bool garbage = false;    // noisy line: "-", LF and stray lines of other kinds around the answers
    std::uint32_t seed = 1;  // of the noise
};

// The settings the box holds; the status line and the EPROM settings line show them.
struct KeyboxSettings {
    int speed = 20;    // words per minute
    int polarity = 0;  // 1: left-handed paddle
    int x = 1;
    int monitor = 1;  // sidetone
    int keyer = 1;    // 1: electronic keyer, 0: straight key
    int on_air = 0;   // transmit request of the voice modes
    int delay = 3;    // hundreds of milliseconds
    int stop = 0;     // 1: the CW message being sent is dropped
    int voice = 0;    // "u": 1 in SSB and FM
    int roger = 0;
    std::array<int, 3> gains{4, 4, 4};  // microphone, PC audio, roger signal: 0-7
};

class VirtualKeybox {
public:
    explicit VirtualKeybox(KeyboxOptions options = {});

    // Takes the bytes that came in at `now_ms` and gives the bytes to send back.
    std::string receive(std::string_view bytes, long long now_ms);

    // The status line at `now_ms`, without its line end.
    std::string status(long long now_ms) const;
    // Characters of the CW message still to be sent at `now_ms`.
    int remaining(long long now_ms) const;
    const KeyboxSettings& settings() const { return settings_; }

    // The CW speed rule: at W words per minute W × 5 characters go out per minute
    // (a word of the PARIS standard is 5 characters), i.e. one character every 12000 / W ms.
    static long long ms_per_character(int wpm);

private:
    std::string command(const std::string& line, long long now_ms);
    void take_settings(std::string_view line);
    std::string settings_line() const;  // what "R0" answers after its "M"
    std::string noisy(const std::string& answer);

    KeyboxOptions options_;
    KeyboxSettings settings_;
    std::array<std::string, 5> slots_;  // EPROM messages 1-4 (0 unused)
    std::string line_;                  // command being received
    std::size_t message_length_ = 0;    // characters of the CW message being sent
    long long message_start_ms_ = 0;
    std::mt19937 noise_;
};

}  // namespace loxar
