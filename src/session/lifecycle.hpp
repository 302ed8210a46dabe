// Starting a new contest and leaving the program.
#pragma once

#include "session/session.hpp"

namespace loxar {

// "Új verseny": asks twice, then clears the log and deletes every working and backup file.
void uj_lista_cmd_Click(Session& s);
// The STOP button: asks when the log changed, saves everything and closes the window.
void quit_Click(Session& s);
// The window closes: stops the player and the port, offers to save a changed log.
void Form_Unload(Session& s);
// Own data, the working log and the calling messages written to SYSTEM; false when the
// working log could not be written (the operator has been told).
[[nodiscard]] bool save_on_exit(Session& s);
// Logout or shutdown (SIGTERM, SIGHUP): what STOP saves, without a question or a message box,
// and the port and the player closed; false when the working log could not be written.
[[nodiscard]] bool save_on_signal(Session& s);

}  // namespace loxar
