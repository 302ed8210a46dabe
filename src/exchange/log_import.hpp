// Log import: EDI, Cabrillo, ADIF, own log files and callsign lists turned into log lines.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "exchange/import_source.hpp"
#include "exchange/import_state.hpp"
#include "model/contest_types.hpp"
#include "text/result.hpp"
#include "text/text.hpp"

namespace loxar {

enum class ImportFormat { Unknown, Edi, Cabrillo, Adif, LogFile, CallsignList };

// The filter item that keeps only Cabrillo QSOs with HA or HG stations.
inline const Text kHaHgFilter = "HA&HG";

// What the conversion needs besides the input.
struct ImportSettings {
    ContestType type = ContestType::None;
    // A band text ("145 MHz"), "HA&HG", or empty / "---" for no filtering.
    Text filter;
    // Own station fields written into the QRP, SKM and CQWW-VHF lines and the HADX sent serial.
    Text kezelo_text;
    Text qth_text;
    Text exch_text;
};

// Records of the input that are no QSO, by why they were passed over.
struct ImportSkipped {
    std::size_t without_call = 0;  // a record without the worked station's callsign
    std::size_t empty = 0;         // an EDI record of separators only

    std::size_t total() const { return without_call + empty; }
};

struct ImportResult {
    std::vector<Text> lines;    // log lines of the contest type's layout (when no sink took them)
    Text error;                 // the operator's message when the input was refused; lines empty then
    std::size_t converted = 0;  // QSOs turned into lines (the filter's passed over not counted)
    std::size_t left_out = 0;   // QSOs beyond what a log can hold, not converted
    ImportSkipped skipped;
    ImportState state;  // work fields and counters as the last QSO left them
};

// "N QSO beolvasva, M rekord kihagyva: ..." when records were passed over; empty otherwise.
Text import_skipped_message(const ImportResult& result);

// An outside file's bytes as the import takes them: the UTF-8 BOM left out; nothing, with the
// operator's message in `problem`, for binary input (NUL bytes).
Result<Text> import_input(Text bytes);
// The same as a view into `bytes`.
Result<std::string_view> import_input_view(std::string_view bytes);
// The lines list 0 shows: the input (UTF-8 converted to cp1250) cut at its line ends, trimmed.
std::vector<Text> import_display_lines(std::string_view input);
// The format, from the first line of the input.
ImportFormat detect_import_format(std::string_view input);

// Converts an input (as import_input gives it) into log lines of the settings' contest type.
ImportResult convert_import(std::string_view input, const ImportSettings& settings);
// Takes each converted line as it is made (the view lasts until the call returns).
using ImportLineSink = std::function<void(std::string_view line)>;
// The same, each line handed to `sink` instead of kept in `lines`: a writer of a huge file never
// holds one string per QSO. On an error found before the first QSO no line has been handed on;
// a NUL byte found later is an error too, reported once the rest has gone by.
ImportResult convert_import(std::string_view input, const ImportSettings& settings,
                            const ImportLineSink& sink);
// The same with the input read chunk by chunk: any size in bounded memory.
ImportResult convert_import(const ImportRead& read, const ImportSettings& settings,
                            const ImportLineSink& sink);

// The check column of the layout the import builds for a contest type (41, 37 or 34).
std::size_t import_check_column(ContestType type);

}  // namespace loxar
