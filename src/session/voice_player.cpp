// Voice player availability.
#include "session/voice_player.hpp"

#include "session/questions.hpp"

namespace loxar {

bool hang_lejatszo_ellenorzes(Session& s) {
    if (s.ports.player && s.ports.player->available()) return true;
    alert(s, hu(u8"A hangüzenetek nem játszhatók le: ezen a gépen nincs működő hanglejátszó") + kCrLf +
                 hu(u8"(GStreamer bővítmények: gstreamer1.0-plugins-base, gstreamer1.0-plugins-good)."));
    return false;
}

}  // namespace loxar
