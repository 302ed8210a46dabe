// The log put back at start from the files every added QSO writes (the band's ".save" working file
// and its backup), when the program ended without STOP; and the count of QSOs that only those
// files hold, for the question of "Új verseny".
#pragma once

#include "core/session.hpp"

namespace loxar {

// The QSO's identity across renumbering and re-evaluation: its date, time and callsign columns.
Text qso_identity(const Text& line);
// The backup lines at the end of `backup` that `log` lacks: the QSOs added after the last save.
std::vector<Text> unsaved_backup_tail(const std::vector<Text>& backup, const std::vector<Text>& log);

// After tmp_log.dat was read: when a ".save" file is newer, the log is taken from it; when the
// band's backup is newer still, its QSOs missing from the log are added. Returns the one message
// that tells what was restored; empty (and nothing done) when tmp_log.dat is the newest.
Text crash_recovery(Session& s);

// QSOs in the log list, the working files and the backups that no file of LOG holds.
std::size_t unsaved_qso_count(const Session& s);

}  // namespace loxar
