// An EDI results file ("Eredmény beolvasás") put into the sheet, then the EDI report built.
#include "fuzz_home.hpp"
#include "reports/cabrillo_report.hpp"
#include "session/report_panel.hpp"
#include "support/sample_lines.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    Session s = fuzz::home().fresh();
    for (const Text& line : testing::numbered(3)) s.log_lista.add(line);
    if (apply_edi_results_file(s.sheet, Text(fuzz::input(data, size)))) {
        build_report(s, kFormatEdif);
        edi_results_file_text(s.sheet);
    }
    return 0;
}
