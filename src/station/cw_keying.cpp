#include "station/cw_keying.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace loxar {

namespace {

// The signs of the characters a contest message uses.
constexpr std::array<std::pair<char, std::string_view>, 47> kMorse{{
    {'A', ".-"},     {'B', "-..."},   {'C', "-.-."},   {'D', "-.."},    {'E', "."},       {'F', "..-."},
    {'G', "--."},    {'H', "...."},   {'I', ".."},     {'J', ".---"},   {'K', "-.-"},     {'L', ".-.."},
    {'M', "--"},     {'N', "-."},     {'O', "---"},    {'P', ".--."},   {'Q', "--.-"},    {'R', ".-."},
    {'S', "..."},    {'T', "-"},      {'U', "..-"},    {'V', "...-"},   {'W', ".--"},     {'X', "-..-"},
    {'Y', "-.--"},   {'Z', "--.."},   {'0', "-----"},  {'1', ".----"},  {'2', "..---"},   {'3', "...--"},
    {'4', "....-"},  {'5', "....."},  {'6', "-...."},  {'7', "--..."},  {'8', "---.."},   {'9', "----."},
    {'/', "-..-."},  {'?', "..--.."}, {'.', ".-.-.-"}, {',', "--..--"}, {'=', "-...-"},   {'+', ".-.-."},
    {'-', "-....-"}, {'(', "-.--."},  {')', "-.--.-"}, {':', "---..."}, {'\'', ".----."},
}};

std::string_view sign_of(char c) {
    const char u = upper_hu(c);
    for (const auto& [ch, sign] : kMorse) {
        if (ch == u) return sign;
    }
    return {};
}

}  // namespace

Text cwdaemon_speed(int wpm) {
    return "\x1b"
           "2" +
           std::to_string(std::clamp(wpm, 4, 60));
}

Text cwdaemon_message(std::string_view text) {
    Text out;
    for (char c : text) {
        if (c >= ' ' && c <= '~' && c != '^') out += c;
    }
    return out + "^";
}

long long morse_duration_ms(std::string_view text, int wpm) {
    long long units = 0;
    bool gap = false;  // a character was keyed, so the next one is set apart
    for (char c : text) {
        if (c == ' ') {
            if (gap) units += 7;
            gap = false;
            continue;
        }
        const std::string_view sign = sign_of(c);
        if (sign.empty()) continue;
        if (gap) units += 3;
        for (std::size_t i = 0; i < sign.size(); ++i) units += (sign[i] == '-' ? 3 : 1) + (i > 0 ? 1 : 0);
        gap = true;
    }
    return units * 1200 / std::max(1, wpm);
}

}  // namespace loxar
