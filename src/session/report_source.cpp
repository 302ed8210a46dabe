// The report source as the session holds it.
#include "session/report_source.hpp"

namespace loxar {

ReportSource report_source(const Session& s) {
    return ReportSource{s.sheet,
                        s.log_lista.items(),
                        s.report.qso_lista.items(),
                        s.station.hivojel_text,
                        s.station.QRA_text,
                        s.qso.kezelo_text,
                        s.qso.sex_combo,
                        s.qso.mod_combo.text(),
                        s.ossz_pontszam_text};
}

}  // namespace loxar
