// The import readers on any bytes, under every builder: EDI, Cabrillo, ADIF, log files and lists.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "exchange/log_import.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const loxar::Result<loxar::Text> input = loxar::import_input(loxar::Text(bytes));
    if (!input) return 0;
    loxar::import_display_lines(*input);
    // The last byte picks the contest type and the filter, so that every builder is reached.
    const unsigned pick = size > 0 ? data[size - 1] : 0;
    loxar::ImportSettings settings;
    settings.type = loxar::contest_type_from_index(static_cast<int>(pick % 17));
    settings.filter =
        pick & 0x80 ? loxar::kHaHgFilter : (pick & 0x40 ? loxar::Text("7 MHz  ") : loxar::Text());
    settings.kezelo_text = "OPNAME";
    settings.qth_text = "BUDAPEST";
    settings.exch_text = "KA";
    const loxar::ImportResult r = loxar::convert_import(*input, settings);
    // Read a few bytes at a time, the input gives the same lines: no chunk edge cuts a value.
    std::string_view rest = *input;
    std::size_t calls = 0;
    const loxar::ImportRead pieces = [&rest, &calls](char* out, std::size_t n) {
        n = std::min({n, rest.size(), std::size_t{1} + calls++ % 7});
        std::copy_n(rest.data(), n, out);
        rest.remove_prefix(n);
        return n;
    };
    std::vector<loxar::Text> lines;
    const loxar::ImportResult by_pieces = loxar::convert_import(
        pieces, settings, [&lines](std::string_view line) { lines.emplace_back(line); });
    if (by_pieces.error != r.error || (r.error.empty() && lines != r.lines)) __builtin_trap();
    // A converted line (not one taken over from a log file) has its layout's separators in place.
    // EDI records and callsign lists are always general lines.
    const loxar::ImportFormat format = loxar::detect_import_format(*input);
    if (format == loxar::ImportFormat::LogFile) return 0;
    const bool general = format == loxar::ImportFormat::Edi || format == loxar::ImportFormat::CallsignList;
    const std::size_t check = general ? 41 : loxar::import_check_column(settings.type);
    for (const loxar::Text& line : r.lines) {
        if (line.size() < 115 || line[check - 1] != '=' || line[19] != '=') __builtin_trap();
    }
    return 0;
}
