// The header lines of the Cabrillo variants, each line ended by CR LF.
#pragma once

#include "reports/report_source.hpp"

namespace loxar {

// The header of RDXC, HSKC, SKMC, REF, SWL and NMARK.
struct StandardHeader {
    Text contest;
    bool contest_first = false;  // NMARK: the contest line follows CREATED-BY
    bool power = true;           // SWL has no power line
    bool location = false;       // REF and SWL: "LOCATION: DX"
};
Text standard_header(const ReportSource& src, const StandardHeader& h);
Text rhob_header(const ReportSource& src);
// HA-DX and EXCHANGE; it ends with the CREATED-BY line.
Text hadx_header(const ReportSource& src, const Text& contest);
// HA-QRP and DX; it ends with "SOAPBOX: " alone.
Text qrp_header(const ReportSource& src, const Text& section);
Text cqww_header(const ReportSource& src);

}  // namespace loxar
