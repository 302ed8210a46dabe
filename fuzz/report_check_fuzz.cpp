// Any bytes checked as a report, with and without the claims of a log beside it.
#include <cstdint>

#include "reports/report_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Finding& f : check_report(text)) (void)finding_text(f);
    (void)check_report(text, {.claimed_score = 1, .qso_points = 1});
    return 0;
}
