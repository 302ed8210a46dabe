// Definitions of the subsystem procedures whose subsystems are not part of the program yet.
// A subsystem that is built removes its procedures from here and defines them in its own files.
#include "core/subsystems.hpp"

#include "station/voice_player.hpp"

namespace loxar {

void hivas_adat_beolvasas(Session&) {}
void hivas_adat_mentes(Session&) {}
bool funkcio_billentyu(Session& s, int) {
    // A voice message needs the audio back end; without one the operator hears so at once.
    const int mode = s.qso.mod_combo.list_index;
    if (mode > 0 && s.qso.mod_combo.text() != "CW") hang_lejatszo_ellenorzes(s);
    return false;
}
void adas_kapcsolo(Session&) {}
void analog_parancs_elkuldes(Session&) {}


}  // namespace loxar
