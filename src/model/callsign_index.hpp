// The log's callsigns indexed by their three-character pieces, so that the live duplicate search
// reads only the lines whose callsign can hold the typed text, however long the log.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/widgets.hpp"

namespace loxar {

// Where a log line keeps the callsign the search compares: 1-based column and width.
struct CallsignColumns {
    std::size_t from = 21;
    std::size_t width = 20;
    bool operator==(const CallsignColumns&) const = default;
};

// The callsign of `line` at `columns`, without the blanks around it.
std::string_view callsign_field(std::string_view line, CallsignColumns columns);

class CallsignIndex {
public:
    // The lines, in log order, whose callsign holds every three-character piece of `typed`
    // (at least 3 characters): all lines whose callsign contains `typed`, and maybe a few more.
    // The index first catches up with `log`: lines added at its end are indexed, any other
    // change of the log or of `columns` rebuilds it.
    std::span<const std::uint32_t> candidates(const ListBox& log, CallsignColumns columns,
                                              std::string_view typed);

private:
    void catch_up(const ListBox& log, CallsignColumns columns);
    void add_line(std::string_view line, std::uint32_t index);

    CallsignColumns columns_;
    std::uint64_t rewrite_version_ = 0;  // of the log it was built from; no list has 0
    std::size_t indexed_ = 0;            // lines indexed so far
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> lines_by_piece_;
};

}  // namespace loxar
