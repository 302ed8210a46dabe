// Placeholder until the writer lands.
#include "reports/edi_report.hpp"
namespace loxar {
Text edi_list_line(const Text&, const EdiFlags&) { return {}; }
Text edi_report(const ReportSource&) { return {}; }
}  // namespace loxar
