// A station data sheet file loaded into a session with a log, then an EDI report built from it.
#include "fuzz_home.hpp"
#include "reports/cabrillo_report.hpp"
#include "session/data_sheet.hpp"
#include "session/report_panel.hpp"
#include "support/sample_lines.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    Session s = fuzz::home().fresh();
    for (const Text& line : testing::numbered(3)) s.log_lista.add(line);
    if (adatlap_file_betoltes(s, Text(fuzz::input(data, size)))) {
        build_report(s, kFormatEdif);
        sheet_file_text(s.sheet);
    }
    return 0;
}
