// Function keys, the transmitter key and the keying-speed keys.
#include "session/window_keys.hpp"

#include "session/calling.hpp"
#include "session/keying_box.hpp"
#include "session/startup.hpp"

namespace loxar {

namespace {

bool step_speed(Session& s, int step) {
    Combo& wpm = s.keyer.settings.wpm_combo;
    const int next = wpm.list_index + step;
    if (wpm.list_index < 0 || next < 0 || next >= wpm.size()) return false;
    wpm.set(next);
    USB_parancs_kuldes(s);
    s.ui().refresh(Aspect::Selectors);
    return true;
}

}  // namespace

bool Form_KeyDown(Session& s, WindowKey key) {
    bool swallowed = false;
    const bool cw = s.qso.mod_combo.list_index == kModeCw;
    if (key <= WindowKey::F12) {
        swallowed = funkcio_billentyu(s, static_cast<int>(key) + 1);
    } else if (key == WindowKey::T) {
        adas_kapcsolo(s);
    } else if (key == WindowKey::Escape) {
        cancel_cmd_Click(s);
    } else if (key == WindowKey::PageUp && cw) {
        swallowed = step_speed(s, -1);
    } else if (key == WindowKey::PageDown && cw) {
        swallowed = step_speed(s, +1);
    }
    kepernyo_szinezes(s);
    return swallowed;
}

}  // namespace loxar
