// Callsign index of the log for the live duplicate search.
#include "model/callsign_index.hpp"

namespace loxar {

namespace {

std::uint32_t piece_key(std::string_view s, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2]));
}

}  // namespace

std::string_view callsign_field(std::string_view line, CallsignColumns columns) {
    if (columns.from == 0 || columns.from > line.size()) return {};
    const std::string_view field = line.substr(columns.from - 1, columns.width);
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t b = field.find_first_not_of(kBlanks);
    if (b == std::string_view::npos) return {};
    return field.substr(b, field.find_last_not_of(kBlanks) - b + 1);
}

void CallsignIndex::add_line(std::string_view line, std::uint32_t index) {
    const std::string_view call = callsign_field(line, columns_);
    for (std::size_t at = 0; at + 3 <= call.size(); ++at) {
        std::vector<std::uint32_t>& lines = lines_by_piece_[piece_key(call, at)];
        // A piece repeated in one callsign lists its line once.
        if (lines.empty() || lines.back() != index) lines.push_back(index);
    }
}

void CallsignIndex::catch_up(const ListBox& log, CallsignColumns columns) {
    if (log.rewrite_version() != rewrite_version_ || columns != columns_ || indexed_ > log.size()) {
        lines_by_piece_.clear();
        indexed_ = 0;
        columns_ = columns;
        rewrite_version_ = log.rewrite_version();
    }
    for (; indexed_ < log.size(); ++indexed_)
        add_line(log.at(indexed_), static_cast<std::uint32_t>(indexed_));
}

std::span<const std::uint32_t> CallsignIndex::candidates(const ListBox& log, CallsignColumns columns,
                                                         std::string_view typed) {
    catch_up(log, columns);
    if (typed.size() < 3) return {};
    // The rarest piece of the typed text narrows the most; a piece no callsign has ends the search.
    const std::vector<std::uint32_t>* fewest = nullptr;
    for (std::size_t at = 0; at + 3 <= typed.size(); ++at) {
        const auto found = lines_by_piece_.find(piece_key(typed, at));
        if (found == lines_by_piece_.end()) return {};
        if (!fewest || found->second.size() < fewest->size()) fewest = &found->second;
    }
    return *fewest;
}

}  // namespace loxar
