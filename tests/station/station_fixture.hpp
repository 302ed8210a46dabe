// A started session with the keying box plugged in, and the window's timers run by hand.
#pragma once

#include "session/calling.hpp"
#include "session/clock.hpp"
#include "session/keying_box.hpp"
#include "support/started_session.hpp"

namespace loxar::testing {

// A status line: remaining count at 5-7, the call flag at 15, stop at 21, gains at 27-29.
inline Text status_line(const Text& remaining, char calling, char stop, const Text& gains) {
    Text line(29, 'x');
    line[0] = 'w';
    line.replace(4, 3, remaining);
    line[14] = calling;
    line[20] = stop;
    line.replace(26, 3, gains);
    return line;
}

struct Station : Started {
    // The box's answers: called with everything written since the last call.
    std::function<Text(const Text&)> box;
    std::size_t seen = 0;
    int ticks = 0;

    explicit Station(int mode = 2) {
        s.qso.mod_combo.set(mode);
        fakes.clock.step_ms = 0;
        // Waits run the timers as the window would: 100 ms per pass.
        fakes.ui.on_process_events = [this] { tick(); };
    }
    // One call-timer tick; every second one is also a clock tick.
    void tick() {
        fakes.clock.ms += 100;
        if (++ticks % 2 == 0) Timer1_Timer(s, fakes.clock.t);
        if (box) {
            const Text fresh = fakes.serial.written.substr(seen);
            seen = fakes.serial.written.size();
            if (!fresh.empty()) fakes.serial.incoming += box(fresh);
        }
        call_vekker_Timer(s);
    }
    void run(int n) {
        for (int i = 0; i < n; ++i) tick();
    }
    // What went out since the last call.
    Text sent() {
        Text t = fakes.serial.written;
        fakes.serial.written.clear();
        seen = 0;
        return t;
    }
};

}  // namespace loxar::testing
