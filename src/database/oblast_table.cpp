// Reading the Russian oblast table and finding the oblast of a Russian callsign.
#include "database/oblast_table.hpp"

#include "model/file_io.hpp"
#include "text/list_input.hpp"

namespace loxar {

namespace {

bool is_blank(std::string_view s) {
    return trim(s).empty();
}

// Stations outside the call-area scheme; built like table entries so that their exchange,
// name and continent stand in the same columns as those of any other oblast.
const std::vector<Text>& special_entries() {
    static const std::vector<Text> entries = {
        oblast_entry({"R1A", "AN", "Antarctica", "AN", "13", "69", "AN"}),
        oblast_entry({"R1F", "FJ", "Franz Josef Land", "FJ", "40", "75", "EU"}),
    };
    return entries;
}

}  // namespace

Text oblast_entry(const std::vector<Text>& fields) {
    auto field = [&fields](std::size_t i) { return i < fields.size() ? fields[i] : Text{}; };
    Text e = pad_cut(field(0), 3) + " " + pad_cut(field(1), 2) + " " + pad_cut(field(2), 25);
    for (std::size_t i = 3; i < 7; ++i) e += " " + pad_cut(field(i), 2);
    return e;
}

OblastRead parse_oblast_file(std::string_view bytes) {
    OblastRead out;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);  // UTF-8 byte-order mark
    std::size_t number = 0;
    LineCursor cursor(bytes);
    for (std::string_view raw; cursor.next(raw);) {
        ++number;
        if (is_blank(raw)) continue;
        const auto fields = list_input_fields(input_to_cp1250(raw));
        if (!fields || fields->size() != 7) {
            // The status names only the first few; a file of garbage must not grow the list.
            if (out.bad_lines.size() < 100) out.bad_lines.push_back(number);
            continue;
        }
        out.entries.push_back(oblast_entry(*fields));
    }
    return out;
}

Text oblast_lookup(const std::vector<Text>& entries, std::string_view hivojel) {
    if (hivojel.substr(0, 4) == "R1AN") return special_entries()[0];
    if (hivojel.substr(0, 4) == "R1FJ") return special_entries()[1];

    auto at = [&hivojel](std::size_t n) { return n <= hivojel.size() ? hivojel[n - 1] : '\0'; };
    Text key;
    if (is_digit(at(2)) && !is_digit(at(3))) {
        key = col(hivojel, 2, 2);
    } else if (is_digit(at(3)) && !is_digit(at(4))) {
        key = col(hivojel, 3, 2);
    } else {
        return kOblastUnknownCall;
    }
    for (const Text& e : entries) {
        if (col(e, oblast_col::kKey, oblast_col::kKeyWidth) == key) return e;
    }
    return kOblastNotFound;
}

}  // namespace loxar
