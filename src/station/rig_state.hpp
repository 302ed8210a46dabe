// The radio as the session knows it: the settings and their form on the "Rig" tab, the link,
// the last reading, and a band change waiting for the QSO being typed.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/bands.hpp"
#include "model/widgets.hpp"
#include "station/rig_settings.hpp"
#include "text/text.hpp"

namespace loxar {

// The lamp beside the frequency field: no radio set, the radio answers, it does not.
enum class RigLamp { None, Answering, Silent };

// The "Rig" tab's fields, as the operator edits them before "Alkalmaz".
struct RigForm {
    Combo rig_kapcsolat_combo{{"Nincs", "Soros port (Hamlib)", hu(u8"rigctld (hálózat)")}, 0};
    Combo rig_modell_combo;          // Hamlib's models, "Maker Model (number)"
    std::vector<int> model_numbers;  // of rig_modell_combo's items
    Text rig_eszkoz_text;
    Combo rig_sebesseg_combo{{"Alap", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"},
                             0};
    Text rig_rigctld_text = "localhost:4532";
    Text rig_lekerdezes_text = "300";
    Combo cw_kimenet_combo{{hu(u8"Billentyűző"), "cwdaemon", hu(u8"Rádió (Hamlib)")}, 0};
    Text cwdaemon_text = "localhost:6789";
    Combo ptt_combo{{hu(u8"Billentyűző"), hu(u8"Rádió (CAT PTT)")}, 0};
};

struct RigState {
    RigSettings settings;
    RigForm form;
    RigLamp lamp = RigLamp::None;
    Text problem;       // why the radio does not answer
    bool told = false;  // the operator was told it stopped answering; once per outage
    long long hz = 0;   // the last reading
    Text mode;
    std::optional<int> waiting_band;  // the radio's band, held while a QSO is typed
    long long waiting_hz = 0;
    std::array<long long, kBandCount> band_hz{};  // the last frequency on each band
    unsigned tuned = 0;  // Loxar's own tunes so far; a reading from before the last is stale
};

}  // namespace loxar
