// The report source as the session holds it.
#pragma once

#include "reports/report_source.hpp"
#include "session/session.hpp"

namespace loxar {

// The source as the session holds it now.
ReportSource report_source(const Session& s);

}  // namespace loxar
