// The window's last state in a small file of our own (SYSTEM/loxar_allapot.txt), written whenever
// it changes, so that a start after a crash, a kill or a power cut comes back with the contest
// type, mode, band and own data the operator had. The program's other files keep their layouts.
#pragma once

#include "session/session.hpp"

namespace loxar {

inline constexpr const char* kWindowStateFile = "loxar_allapot.txt";

// "key=value" lines, CR LF: contest type, band, mode, own station fields and selectors.
Text window_state_text(const Session& s);
// Sets what the text holds; unknown keys, bad numbers and values no selector has are skipped.
void apply_window_state(Session& s, const Text& bytes);
// The mode alone (the log files do not keep it, so it is set again after a log was read).
void apply_window_state_mode(Session& s, const Text& bytes);
// Reads the file when it exists; returns its text (empty when none).
Text ablak_allapot_beolvasas(Session& s);
// Writes the file when the state differs from what was written last; cheap when it does not.
void ablak_allapot_mentes(Session& s);

}  // namespace loxar
