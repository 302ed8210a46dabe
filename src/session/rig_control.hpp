// The radio in the session: its settings on the "Rig" tab, the band, frequency and mode that
// follow it, the band buttons and the frequency field that tune it.
#pragma once

#include "session/session.hpp"

namespace loxar {

// Start: the settings file read into the tab's fields, and the radio connected when one is set.
void rig_adat_beolvasas(Session& s);
// The models the tab offers, Hamlib's list as the window got it: "Maker Model (number)".
void rig_models_known(Session& s, std::vector<Text> names, std::vector<int> numbers);
// "Alkalmaz": the tab's fields become the settings, are saved, and the radio is connected anew.
void rig_alkalmaz_cmd_Click(Session& s);

// A reading of the radio. The band follows it as the band buttons would set it (with the band's
// own log), but only once the QSO being typed is added or cleared; the frequency field holds
// the radio's frequency, and the mode selector its mode where the log has one. Only a change of
// the radio is followed, so what the operator chose stands until the radio is turned. A reading
// with a sequence older than Loxar's last tune was taken before it and is passed over.
void rig_reading(Session& s, long long hz, const Text& mode, unsigned sequence);
// The radio answers again, or has stopped answering (`problem` says why, in a sentence of its
// own): the lamp and the status line show it, and the operator is told once per outage.
void rig_link_changed(Session& s, bool answering, const Text& problem);
// A band held for the QSO being typed is taken now, if the QSO is no longer being typed.
void rig_catch_up(Session& s);

// The band buttons moved the band: the radio goes to its last frequency there, or the band's start.
void rig_tune_to_band(Session& s);
// Enter in the frequency field: the radio goes to the typed frequency.
void frekvencia_text_Enter(Session& s);

// Voice messages on the air through the radio's PTT rather than the keying box.
bool rig_keys_voice(const Session& s);
// Where CW goes when not to the keying box; nothing when the box keys it.
CwOutputPort* cw_output(const Session& s);

// The status line's part about the radio; empty when none is set.
Text rig_status(const Session& s);

}  // namespace loxar
