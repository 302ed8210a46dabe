// Start of the program, the defaults of the window and the preparation of the next QSO.
#pragma once

#include "session/session.hpp"
#include "text/result.hpp"

namespace loxar {

// Default values of every field and selector (the window's initial state).
void form_inic(Session& s);
// Folders, default files, tables, the previous run's log, the keying box.
// Fails with a message when the home directory is unusable (the program cannot go on).
Status Form_Load(Session& s, const std::filesystem::path& home);
// Prepares the entry fields for the next QSO.
void log_inic_rutin(Session& s);
// The panel each main command button shows, and what else it does.
void main_cmd_Click(Session& s, int index);
// Copies the own data and the log's dates and band into the data sheet.
void frissites_rutin(Session& s);
// Time field drawn red, or black for the configured own callsigns.
void kepernyo_szinezes(Session& s);
// The two own callsigns drawn black, read from SYSTEM (one per line).
void fekete_hivojelek_beolvasasa(Session& s);

inline constexpr const char* kPlainColourCallsFile = "fekete_hivojelek.txt";

}  // namespace loxar
