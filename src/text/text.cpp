// Column, padding and number helpers shared by every fixed-column format.
#include "text/text.hpp"

#include <cmath>
#include <cstdlib>

namespace loxar {

Text col(std::string_view line, std::size_t from, std::size_t len) {
    if (from == 0) from = 1;
    if (from > line.size()) return {};
    return Text(line.substr(from - 1, len));
}

Text col_from(std::string_view line, std::size_t from) {
    if (from == 0) from = 1;
    if (from > line.size()) return {};
    return Text(line.substr(from - 1));
}

Text pad_cut(std::string_view s, std::size_t width) {
    Text out(s.substr(0, width));
    out.resize(width, ' ');
    return out;
}

static bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

Text trim(std::string_view s) {
    return Text(trim_view(s));
}

Text one_line(std::string_view s) {
    Text out(s);
    for (char& c : out) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    return out;
}

Text zero_pad(long long n, std::size_t width) {
    Text digits = std::to_string(n < 0 ? -n : n);
    std::size_t room = n < 0 && width > 0 ? width - 1 : width;
    if (digits.size() < room) digits.insert(0, room - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
}

bool all_digits(std::string_view s) {
    for (char c : s) {
        if (!is_digit(c)) return false;
    }
    return !s.empty();
}

bool is_numeric(std::string_view raw) {
    Text s = trim(raw);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digit = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            digit = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

double val(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && is_space(s[i])) ++i;
    Text num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
    bool point = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            num += c;
        } else if (c == '.' && !point) {
            point = true;
            num += c;
        } else {
            break;
        }
    }
    if (num.empty() || num == "+" || num == "-") return 0;
    return std::strtod(num.c_str(), nullptr);
}

std::optional<std::int16_t> to_short(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    double r = std::nearbyint(v);  // default rounding mode: half to even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int16_t> to_short(std::string_view s) {
    if (!is_numeric(s)) return std::nullopt;
    return to_short(val(s));
}

long long int_value(std::string_view s) {
    if (!is_numeric(s)) return 0;
    double r = std::nearbyint(val(s));
    if (r > 9e15 || r < -9e15) return 0;
    return static_cast<long long>(r);
}

char upper_hu(char c) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
    switch (u) {
        case 0x9A: return static_cast<char>(0x8A);  // š
        case 0x9C: return static_cast<char>(0x8C);  // ś
        case 0x9D: return static_cast<char>(0x8D);  // ť
        case 0x9E: return static_cast<char>(0x8E);  // ž
        case 0x9F: return static_cast<char>(0x8F);  // ź
        case 0xB3: return static_cast<char>(0xA3);  // ł
        case 0xB9: return static_cast<char>(0xA5);  // ą
        case 0xBA: return static_cast<char>(0xAA);  // ş
        case 0xBE: return static_cast<char>(0xBC);  // ľ
        case 0xBF: return static_cast<char>(0xAF);  // ż
        default: return c;
    }
}

Text upper_hu(std::string_view s) {
    Text out(s);
    for (char& c : out) c = upper_hu(c);
    return out;
}

char fold_accents(char c) {
    switch (static_cast<unsigned char>(c)) {
        case 0xC1: return 'A';
        case 0xC9: return 'E';
        case 0xCD: return 'I';
        case 0xD3:
        case 0xD5:
        case 0xD6: return 'O';
        case 0xDA:
        case 0xDB:
        case 0xDC: return 'U';
        default: return c;
    }
}

Text hu(std::u8string_view s) {
    return utf8_to_cp1250(std::string_view(reinterpret_cast<const char*>(s.data()), s.size()));
}

}  // namespace loxar
