// The YL-OM report in ADIF, the ADIF field builder it shares with the ADIF export, and the
// YL-OM result list and statistics line.
#pragma once

#include <array>
#include <string_view>

#include "reports/report_source.hpp"

namespace loxar {

// The first header line of every ADIF text the program writes. ADIF forbids "<" in the
// header's free text, so the program's name stands there without angle brackets.
inline constexpr const char* kAdifCreatedLine =
    "ADIF Created with Loxar by Tarvik, conforming to ADIF standard specification V 1.00";

// QSO_DATE and TIME_ON of a line's date ("YYYY-MM-DD" -> YYYYMMDD) and time ("hh:mm:ss" ->
// hhmmss) fields.
Text adif_date(std::string_view date_field);
Text adif_time(std::string_view time_field);

// "<" name ":" length ">" value and one blank.
Text adif_mezo_kepzes(const Text& header, const Text& szoveg);
// The same field appended to `out`, for writers of long texts.
void append_adif_field(Text& out, std::string_view header, std::string_view szoveg);

struct YlomReport {
    std::array<Text, 4> header_lines;  // adif_header_line1 .. 4
    Text text;                         // the report; empty when it stopped
    bool stopped = false;              // a QSO without the received sex
    Text message;                      // what the operator is told when it stopped
};
YlomReport ylom_report(const ReportSource& src);

// One line of the YL-OM result list from a general-layout log line.
Text yl_list_line(const Text& log_line);
// The statistics line of the result list: QSOs, the four sex pairs and the claimed score.
Text yl_statistics_text(const std::vector<Text>& list_lines);

}  // namespace loxar
