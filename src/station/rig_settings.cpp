#include "station/rig_settings.hpp"

#include <array>
#include <optional>
#include <utility>

namespace loxar {

namespace {

template <class E, std::size_t N>
using Names = std::array<std::pair<E, std::string_view>, N>;

constexpr Names<RigLink, 3> kLinks{
    {{RigLink::None, "none"}, {RigLink::Serial, "serial"}, {RigLink::Rigctld, "rigctld"}}};
constexpr Names<CwOutput, 3> kCwOutputs{
    {{CwOutput::KeyingBox, "box"}, {CwOutput::Cwdaemon, "cwdaemon"}, {CwOutput::RigKeyer, "rig"}}};
constexpr Names<VoicePtt, 2> kPtts{{{VoicePtt::KeyingBox, "box"}, {VoicePtt::Rig, "rig"}}};

template <class E, std::size_t N>
std::string_view name_of(const Names<E, N>& names, E value) {
    for (const auto& [e, name] : names) {
        if (e == value) return name;
    }
    return names[0].second;
}

template <class E, std::size_t N>
void read_enum(const Names<E, N>& names, std::string_view value, E& out) {
    for (const auto& [e, name] : names) {
        if (name == value) out = e;
    }
}

void read_number(std::string_view value, int low, int high, int& out) {
    if (!all_digits(value) || value.size() > 9) return;
    const long long n = int_value(value);
    if (n >= low && n <= high) out = static_cast<int>(n);
}

// A value that goes into a device path or a host name: one line, no blanks at its ends.
void read_text(std::string_view value, Text& out) {
    const Text t = trim(value);
    if (!t.empty() && t.size() <= 255 && t.find_first_of(std::string_view("\0\r\n", 3)) == Text::npos)
        out = t;
}

}  // namespace

RigSettings parse_rig_settings(std::string_view bytes) {
    RigSettings s;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const Text key = trim(line.substr(0, eq));
        const Text value = trim(line.substr(eq + 1));
        if (key == "link")
            read_enum(kLinks, value, s.link);
        else if (key == "model")
            read_number(value, 1, 999'999, s.model);
        else if (key == "device")
            read_text(value, s.device);
        else if (key == "speed")
            read_number(value, 0, 1'000'000, s.speed);
        else if (key == "rigctld")
            read_text(value, s.rigctld);
        else if (key == "poll_ms")
            read_number(value, kRigPollMinMs, kRigPollMaxMs, s.poll_ms);
        else if (key == "cw")
            read_enum(kCwOutputs, value, s.cw);
        else if (key == "cwdaemon")
            read_text(value, s.cwdaemon);
        else if (key == "ptt")
            read_enum(kPtts, value, s.ptt);
    }
    return s;
}

Text rig_settings_text(const RigSettings& s) {
    Text t;
    const auto line = [&t](std::string_view key, std::string_view value) {
        t += Text(key) + "=" + one_line(value) + kCrLf;
    };
    line("link", name_of(kLinks, s.link));
    line("model", std::to_string(s.model));
    line("device", s.device);
    line("speed", std::to_string(s.speed));
    line("rigctld", s.rigctld);
    line("poll_ms", std::to_string(s.poll_ms));
    line("cw", name_of(kCwOutputs, s.cw));
    line("cwdaemon", s.cwdaemon);
    line("ptt", name_of(kPtts, s.ptt));
    return t;
}

}  // namespace loxar
