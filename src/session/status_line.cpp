#include "session/status_line.hpp"

#include "model/file_io.hpp"
#include "session/clock.hpp"
#include "session/rig_control.hpp"
#include "text/text.hpp"

namespace loxar {

Text status_line(const Session& s) {
    const Text contest = trim(s.szabaly_combo.text());
    const Text band = trim(s.qso.band_text);
    const Text radio = rig_status(s);
    const Text saved = s.last_save_time.empty() ? hu(u8"még nincs") : s.last_save_time;
    return hu(u8"Könyvtár: ") + text_path(s.paths.home) + "  |  " + hu(u8"Verseny: ") +
           (contest.empty() ? Text("...") : contest) + "  |  " + hu(u8"Sáv: ") + band +
           "  |  QSO: " + std::to_string(s.log_lista.size()) + "  |  " + log_time_note(s) + "  |  " +
           hu(u8"Utolsó mentés: ") + saved + (radio.empty() ? Text() : "  |  " + radio);
}

}  // namespace loxar
