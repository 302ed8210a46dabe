// Message set files, the call settings file and the message lists' items.
#include "station/message_files.hpp"

#include "model/file_io.hpp"

namespace loxar {

namespace {

constexpr std::size_t kCallSettingsLines = 36;
constexpr std::size_t kCallSettingsMostLines = 64;

}  // namespace

Text message_item(int k, const Text& shown) {
    return "F" + zero_pad(k, 2) + ":" + shown;
}

Text voice_file_name(const Text& path) {
    // The folder separator of this system or of a file written on Windows.
    const std::size_t cut = path.find_last_of("/\\");
    if (cut != Text::npos && cut >= 1) return path.substr(cut + 1);
    return path.size() > 16 ? path.substr(path.size() - 16) : path;
}

bool empty_message(const Text& entry) {
    return entry.empty() || entry[0] == '-';
}

Text message_set_header(MessageSet set) {
    return set == MessageSet::Cw ? "CW setup" : "Wave setup";
}

Text message_set_text(MessageSet set, const std::array<Text, kMessageSlots>& messages) {
    Text t = message_set_header(set) + kCrLf;
    for (int k = 0; k < kFunctionKeys; ++k) t += one_line(messages[static_cast<std::size_t>(k)]) + kCrLf;
    return t + "End" + kCrLf;
}

MessageSetRead read_message_set(MessageSet set, std::string_view bytes) {
    MessageSetRead r;
    LineCursor lines(bytes);
    std::string_view line;
    if (!lines.next(line) || line != message_set_header(set)) {
        r.result = MessageSetRead::Result::WrongFormat;
        r.line = Text(line);
        return r;
    }
    Text last;
    while (lines.next(line)) {
        last = Text(line);
        if (last == "End") return r;
        // Lines beyond the table's room are read past, not stored.
        if (r.entries.size() < kMessageSlots) r.entries.push_back(last);
    }
    r.result = MessageSetRead::Result::NoEnd;
    r.line = last;
    return r;
}

Text call_settings_text(const CallSettings& c) {
    Text t = Text("Call data") + kCrLf;
    auto messages = [&t](const std::array<Text, kFunctionKeys>& m) {
        for (const Text& entry : m) t += one_line(entry) + kCrLf;
        t += one_line(m.back()) + kCrLf + "=" + kCrLf;
    };
    messages(c.voice);
    messages(c.cw);
    for (int n : {c.port, c.delay, c.wpm, int{c.left_hand}, int{c.elkey}, int{c.monitor}})
        t += std::to_string(n) + kCrLf;
    return t + "End" + kCrLf;
}

std::optional<CallSettings> read_call_settings(std::string_view bytes) {
    std::vector<Text> lines = first_lines(bytes, kCallSettingsMostLines);
    if (lines.size() < kCallSettingsLines || lines[0] != "Call data" || lines[14] != "=" ||
        lines[28] != "=" || lines[35] != "End") {
        return std::nullopt;
    }
    CallSettings c;
    for (std::size_t k = 0; k < kFunctionKeys; ++k) {
        c.voice[k] = lines[1 + k];
        c.cw[k] = lines[15 + k];
    }
    auto number = [&lines](std::size_t i) { return static_cast<int>(int_value(lines[i])); };
    c.port = number(29);
    c.delay = number(30);
    c.wpm = number(31);
    c.left_hand = (number(32) & 1) != 0;
    c.elkey = (number(33) & 1) != 0;
    c.monitor = (number(34) & 1) != 0;
    return c;
}

}  // namespace loxar
