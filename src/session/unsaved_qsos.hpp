// The warning of the questions whose "Igen" deletes QSOs, or takes them out of the log, while no
// file of LOG holds them.
#pragma once

#include <vector>

#include "session/session.hpp"

namespace loxar {

// QSOs in the log list, the working files and the backups that no file of LOG holds.
std::size_t unsaved_qso_count(const Session& s);

// QSOs of the log that neither a file of LOG nor `incoming` holds: what replacing the log with
// `incoming` takes out of it for good.
std::size_t unsaved_qsos_replaced_by(const Session& s, const std::vector<Text>& incoming);

// The paragraph a question ends with when `count` QSOs are only in the working and backup files:
// "Figyelem: N QSO nincs elmentve ...", then `consequence` on a line of its own. Empty for 0.
Text unsaved_qso_warning(std::size_t count, const Text& consequence);

}  // namespace loxar
