// The keying box on the serial port: opening and closing, the poll step, the waits for the box,
// the EPROM buttons and the controls whose change is sent to the box.
#pragma once

#include <functional>
#include <string_view>

#include "session/session.hpp"

namespace loxar {

// Start: the port selector shows what each COM stands for, the chosen port is opened, and the
// box gets its gains; when it cannot be opened the calling panel is disabled and the operator told.
void billentyuzo_inditas(Session& s);
void sio_open_cmd_Click(Session& s);
void sio_close_cmd_Click(Session& s);

Text USB_parancs_osszerakas(const Session& s);  // the settings line from the controls
void USB_parancs_kuldes(Session& s);            // queues the settings command
void analog_parancs_elkuldes(Session& s);       // queues the amplifier command
void analog_frissites(Session& s);              // gain lists from the last status line
void ID_cmd_Click(Session& s);

// A keyer control changed (wpm_combo, mod_combo, erosito_combo_1 ...): queues what the box must
// hear of it. False when the control is none of the keyer's.
bool keyer_control_changed(Session& s, Control control);
// The calling panel shows the messages of the current mode: CW for CW, voice for SSB and FM.
void calling_list_of_mode(Session& s);

// One poll step of the call timer: send the first pending command (or "?"), or read the replies.
void USB_kezeles(Session& s);
// Updates the lamp beside the port selector from the time the box was last heard.
void billentyuzo_lampa_frissites(Session& s);

// The keying box as a CW output: the message goes out as the box's "s" command, and it has been
// keyed once the box, answering after it went out, counts no characters left. Stopping is the
// box's own stop request (Esc). All its state is the link's, so it is made where it is used.
class KeyingBoxCw final : public CwOutputPort {
public:
    explicit KeyingBoxCw(StationControl& k) : k_(k) {}
    void configure(const RigSettings&) override {}
    void send(const Text& text, int wpm) override;
    void stop() override {}
    bool done() const override;

private:
    StationControl& k_;
};

void on_air_rutin(Session& s);
void off_air_rutin(Session& s);
// The T key: in CW alternately on and off the air; in the other modes off the air.
void adas_kapcsolo(Session& s);
// Stop (Esc): repetition off, the player stopped, the box told to stop, off the air.
void cancel_cmd_Click(Session& s);

void EPROM_cmd_Click(Session& s, int index);
void EPROM_adat_frissites(Session& s);

// Lets events run until `done` or until `limit_ms` have passed on the monotonic clock; also ends
// at once when the port is not open. True when `done` came true.
bool wait_for_box(Session& s, const std::function<bool()>& done, long long limit_ms);

bool is_voice_mode(const Session& s);  // "SSB" or "FM"
bool is_cw_mode(const Session& s);
bool port_open(const Session& s);

}  // namespace loxar
