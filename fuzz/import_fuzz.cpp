// The import readers on any bytes, under every builder: EDI, Cabrillo, ADIF, log files and lists.
#include <cstdint>

#include "exchange/log_import.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    loxar::Text problem;
    const std::optional<loxar::Text> input = loxar::import_input(loxar::Text(bytes), problem);
    if (!input) return 0;
    loxar::import_display_lines(*input);
    // The last byte picks the contest type and the filter, so that every builder is reached.
    const unsigned pick = size > 0 ? data[size - 1] : 0;
    loxar::ImportSettings settings;
    settings.type = loxar::contest_type_from_index(static_cast<int>(pick % 17));
    settings.filter = pick & 0x80 ? loxar::kHaHgFilter : (pick & 0x40 ? loxar::Text("7 MHz  ") : loxar::Text());
    settings.kezelo_text = "OPNAME";
    settings.qth_text = "BUDAPEST";
    settings.exch_text = "KA";
    const loxar::ImportResult r = loxar::convert_import(*input, settings);
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
