// The log put back at start from the files every added QSO writes (the band's ".save" working file
// and its backup), when the program ended without STOP.
#pragma once

#include "session/session.hpp"

namespace loxar {

// The QSO's identity across renumbering and re-evaluation: its date, time and callsign columns.
Text qso_identity(const Text& line);
// The backup lines at the end of `backup` that `log` lacks: the QSOs added after the last save.
std::vector<Text> unsaved_backup_tail(const std::vector<Text>& backup, const std::vector<Text>& log);

// After tmp_log.dat was read, with the ".save" files newer than it: the newest of them written
// whole gives the log, unless a damaged one (cut off before its "End") still holds more QSOs; a
// record cut off without its line end is never taken. The band's backup then adds the QSOs at its
// end that the log lacks, when it is newer than every file written whole. Returns the one message
// that tells how many QSOs came from which file; empty (and nothing done) when tmp_log.dat is
// whole and the newest.
Text crash_recovery(Session& s);

}  // namespace loxar
