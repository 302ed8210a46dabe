// The keying box link: port, poll step, replies, waits, EPROM and the keyer controls.
#include "session/keying_box.hpp"

#include <algorithm>

#include "session/calling.hpp"
#include "session/questions.hpp"
#include "session/rig_control.hpp"
#include "station/box_protocol.hpp"

namespace loxar {

namespace {

// The on-air and off-air waits end with the call countdown (5 clock ticks); this bounds them
// when no clock tick runs.
constexpr long long kAirWaitMs = 1500;
// A box that has not answered an EPROM command by then is taken as silent.
constexpr long long kEpromWaitMs = 3000;
// How long one pass of a wait sleeps when nothing happens.
constexpr int kWaitSliceMs = 20;

long long now_ms(const Session& s) {
    return s.ports.clock ? s.ports.clock->monotonic_ms() : 0;
}

void set_view(Session& s, Control control, Color back) {
    ControlView& v = s.view[control];
    if (v.back == back) return;
    v.back = back;
    s.ui().refresh(Aspect::View);
}

// Why a port did not open, for the operator; empty when there is nothing to add.
Text port_problem(PortError e) {
    switch (e) {
        case PortError::Busy: return hu(u8"A portot más program használja.");
        case PortError::NoPermission:
            return hu(u8"Nincs jogosultság; a felhasználó legyen a dialout csoport tagja.");
        default: return {};
    }
}

Text with_problem(Text message, PortError e) {
    const Text why = port_problem(e);
    if (!why.empty()) message += kCrLf + why;
    return message;
}

int chosen_com(const Session& s) {
    return std::max(0, s.keyer.settings.billentyuzo_port_combo.list_index) + 1;
}

void show_link(Session& s, bool open) {
    s.view[Control::log_hivas_keret].enabled = open;
    if (open) {
        for (Control c : {Control::usb_valasz_text, Control::usb_valasz_label, Control::kerdezo_label})
            s.view[c].visible = true;
    }
    s.ui().refresh(Aspect::View);
}

// The link starts afresh on a newly opened port.
void port_opened(Session& s) {
    StationControl& k = s.keyer;
    k.poll_phase = PollPhase::Send;
    k.receive_line.clear();
    k.lost_told = false;
    k.opened_ms = now_ms(s);
    k.last_heard_ms = -1;
    k.last_status_ms = -1;
    k.unanswered_queries = 0;
    k.stale_status_lines = 0;
    show_link(s, true);
    // "No connection" or "device gone" told earlier is over now.
    s.ui().clear_notice();
}

bool open_port(Session& s) {
    SerialPort* port = s.ports.serial;
    if (!port) return false;
    const bool ok = port->open(chosen_com(s)) && port->is_open();
    if (ok) port_opened(s);
    return ok;
}

// The port went away under the calling: nothing more will be sent, the frame is disabled.
void port_gone(Session& s) {
    stop_calling(s);
    show_link(s, false);
    billentyuzo_lampa_frissites(s);
}

void interpret(Session& s, const Text& line) {
    StationControl& k = s.keyer;
    switch (reply_kind(line)) {
        case ReplyKind::StatusLine: {
            const BoxStatus st = read_status(line);
            k.usb_valasz_text = st.shown;
            if (k.unanswered_queries > 0) --k.unanswered_queries;
            // A count from before the CW message went out, or a late answer to a query sent
            // before it, is not the count of that message.
            if (k.stale_status_lines > 0) {
                --k.stale_status_lines;
            } else if (!k.box_command.starts_with('s')) {
                k.remaining_count = st.remaining;
            }
            s.view[Control::hivas_cmd].back = st.calling ? Color::Red : Color::LightGrey;
            k.stop_request = st.stop;
            if (st.stop == 1) k.ismetles_check = Tristate::Clear;
            k.last_status_ms = now_ms(s);
            break;
        }
        case ReplyKind::Identification: k.ID_text = identification_text(line); break;
        case ReplyKind::Acknowledgement: k.ack_received = true; break;
        case ReplyKind::Memory:
            k.memory_line_received = true;
            k.last_memory_line = trim(line);
            break;
        case ReplyKind::Other: break;
    }
}

// An EPROM command waits for the box; false (and the operator told) when it never answered.
bool eprom_exchange(Session& s, Text command, bool StationControl::*answered) {
    StationControl& k = s.keyer;
    k.*answered = false;
    k.eprom_command = std::move(command);
    return wait_for_box(
        s, [&k, answered] { return k.*answered; }, kEpromWaitMs);
}

void eprom_silent(Session& s) {
    s.keyer.eprom_command.clear();
    alert(s, hu(u8"A billentyűző nem válaszolt!"));
}

// CW message k (1-4) as the EPROM takes it: the list item's text, at most 45 characters.
Text eprom_message(const Session& s, std::size_t k) {
    const ListBox& cw = s.keyer.hivas_lista[1];
    return k <= cw.size() ? trim(col(cw.at(k - 1), 5, 45)) : Text();
}

void air_switch(Session& s, bool on) {
    StationControl& k = s.keyer;
    s.call_countdown = 5;
    // Only the voice modes tell the box; with nothing told there is no answer to wait for.
    if (!is_voice_mode(s)) return;
    // The radio keys itself for the voice messages: the box is not asked, and nothing is waited for.
    if (rig_keys_voice(s)) {
        s.ports.rig->ptt(on);
        return;
    }
    k.on_air = on;
    USB_parancs_kuldes(s);
    // A box that has long stopped answering is not waited for.
    if (k.lamp == BoxLamp::Silent) return;
    // The box's answer must follow the command, not an earlier "?".
    wait_for_box(
        s, [&] { return (k.reply_seen && k.box_command.empty()) || s.call_countdown <= 0; }, kAirWaitMs);
}

}  // namespace

bool port_open(const Session& s) {
    return s.ports.serial && s.ports.serial->is_open();
}

bool is_voice_mode(const Session& s) {
    const Text mode = s.qso.mod_combo.text();
    return mode == "SSB" || mode == "FM";
}

bool is_cw_mode(const Session& s) {
    return s.qso.mod_combo.text() == "CW";
}

bool wait_for_box(Session& s, const std::function<bool()>& done, long long limit_ms) {
    const long long start = now_ms(s);
    while (!done()) {
        if (!port_open(s) || !s.ports.clock || now_ms(s) - start >= limit_ms) return false;
        s.ui().wait_events(kWaitSliceMs);
    }
    return true;
}

void billentyuzo_inditas(Session& s) {
    Combo& ports = s.keyer.settings.billentyuzo_port_combo;
    if (s.ports.serial) {
        for (int n = 1; n <= ports.size(); ++n) {
            const Text what = s.ports.serial->describe(n);
            ports.items[static_cast<std::size_t>(n - 1)] =
                "COM" + std::to_string(n) + (what.empty() ? "" : "  " + what);
        }
    }
    if (open_port(s)) {
        analog_parancs_elkuldes(s);
        return;
    }
    s.view[Control::log_hivas_keret].enabled = false;
    for (Control c : {Control::usb_valasz_text, Control::usb_valasz_label, Control::kerdezo_label})
        s.view[c].visible = false;
    s.ui().beep();
    const PortError why = s.ports.serial ? s.ports.serial->error() : PortError::NotFound;
    s.ui().message(with_problem(
        hu(u8"Nem találtam billentyűzőt a COM") + std::to_string(chosen_com(s)) + hu(u8" porton!"), why));
}

void sio_open_cmd_Click(Session& s) {
    if (port_open(s)) {
        s.ui().message(hu(u8"Már meg van nyitva!"));
        return;
    }
    if (!open_port(s)) {
        alert(s, with_problem(hu(u8"Nem silkerült megnyitni!"),
                              s.ports.serial ? s.ports.serial->error() : PortError::NotFound));
        return;
    }
    s.ui().message(hu(u8"Megnyitva!"));
}

void sio_close_cmd_Click(Session& s) {
    if (!port_open(s)) {
        alert(s, hu(u8"Nincs nyitott port!"));
        return;
    }
    s.ports.serial->close();
    port_gone(s);
    s.ui().message(hu(u8"Bezárva!"));
}

Text USB_parancs_osszerakas(const Session& s) {
    return settings_line(s.keyer.settings, s.keyer.on_air, s.keyer.stop_request, is_voice_mode(s));
}

void USB_parancs_kuldes(Session& s) {
    s.keyer.box_command = USB_parancs_osszerakas(s) + kCrLf;
}

void analog_parancs_elkuldes(Session& s) {
    s.keyer.amplifier_command = amplifier_line(s.keyer.settings);
}

void analog_frissites(Session& s) {
    const std::array<int, 3> gains = status_gains(s.keyer.usb_valasz_text);
    for (std::size_t k = 0; k < gains.size(); ++k) {
        if (gains[k] >= 0) s.keyer.settings.erosito_combo[k].set(gains[k]);
    }
    s.ui().refresh(Aspect::Selectors);
}

void ID_cmd_Click(Session& s) {
    s.keyer.box_command = Text("ID") + kCrLf;
}

void calling_list_of_mode(Session& s) {
    if (is_cw_mode(s) || is_voice_mode(s)) s.keyer.hivas_valaszto = is_cw_mode(s) ? 1 : 0;
}

bool keyer_control_changed(Session& s, Control control) {
    static constexpr Control kSettings[] = {
        Control::wpm_combo,         Control::bal_kez_check, Control::monitor_check, Control::elkey_check,
        Control::kesleltetes_combo, Control::ROGER_combo,   Control::mod_combo};
    if (std::find(std::begin(kSettings), std::end(kSettings), control) != std::end(kSettings)) {
        // The mode's own messages come to the front.
        if (control == Control::mod_combo) calling_list_of_mode(s);
        USB_parancs_kuldes(s);
        return true;
    }
    if (control == Control::erosito_combo_0 || control == Control::erosito_combo_1 ||
        control == Control::erosito_combo_2) {
        analog_parancs_elkuldes(s);
        return true;
    }
    return false;
}

void USB_kezeles(Session& s) {
    SerialPort* port = s.ports.serial;
    if (!port) return;
    StationControl& k = s.keyer;
    if (port->error() == PortError::Lost) {
        // Told once; the timer goes on as if the port had been closed.
        if (k.lost_told) return;
        k.lost_told = true;
        if (port->is_open()) port->close();
        port_gone(s);
        s.ui().notice(hu(u8"A billentyűző eszköze eltűnt (kihúzták?); a port bezárva. Újra: Megnyitás."));
        return;
    }
    if (!port->is_open()) return;
    if (k.poll_phase == PollPhase::Send) {
        bool sent = false;
        for (Text* command : {&k.eprom_command, &k.amplifier_command, &k.box_command}) {
            if (trim(*command).empty()) continue;
            port->write(*command);
            // Answers to queries sent before a CW message do not count its characters.
            if (command == &k.box_command && command->starts_with('s'))
                k.stale_status_lines = k.unanswered_queries;
            command->clear();
            if (command == &k.eprom_command) {
                // The next tick sends again: an EPROM command does not wait for its turn.
                set_view(s, Control::kerdezo_label, Color::Magenta);
                return;
            }
            sent = true;
            break;
        }
        if (!sent) {
            port->write(Text("?") + kCrLf);
            k.unanswered_queries = std::min<short>(static_cast<short>(k.unanswered_queries + 1), 2);
        }
        k.reply_seen = false;
        k.poll_phase = PollPhase::Read;
        set_view(s, Control::kerdezo_label, Color::Red);
        return;
    }
    const Text incoming = port->read_all();
    k.poll_phase = PollPhase::Send;
    if (incoming.empty()) return;
    s.view[Control::kerdezo_label].caption = "=";
    set_view(s, Control::kerdezo_label, Color::Black);
    for (const Text& line : split_replies(k.receive_line, incoming)) {
        k.reply_seen = true;
        k.last_heard_ms = now_ms(s);
        interpret(s, line);
    }
    s.ui().refresh(Aspect::View);
    s.ui().refresh(Aspect::Calling);
}

void billentyuzo_lampa_frissites(Session& s) {
    StationControl& k = s.keyer;
    const BoxLamp lamp = box_lamp(port_open(s), now_ms(s), k.opened_ms, k.last_status_ms, k.last_heard_ms);
    if (lamp == k.lamp && s.view.contains(Control::billentyuzo_lampa)) return;
    k.lamp = lamp;
    static constexpr Color kColours[] = {Color::Grey, Color::Green, Color::Yellow, Color::Red};
    ControlView& v = s.view[Control::billentyuzo_lampa];
    v.back = kColours[static_cast<int>(lamp)];
    s.ui().refresh(Aspect::View);
    s.ui().refresh(Aspect::Calling);
}

void KeyingBoxCw::send(const Text& text, int) {
    // The box keys at the speed of its settings line.
    k_.box_command = cw_message_command(text);
    k_.remaining_count = 40;
}

bool KeyingBoxCw::done() const {
    // The count is the box's answer to the message only once the message went out.
    return k_.box_command.empty() && k_.reply_seen && k_.remaining_count == 0;
}

void on_air_rutin(Session& s) {
    air_switch(s, true);
}
void off_air_rutin(Session& s) {
    air_switch(s, false);
}

void adas_kapcsolo(Session& s) {
    StationControl& k = s.keyer;
    if (is_cw_mode(s)) {
        k.t_key_on = !k.t_key_on;
        if (k.t_key_on) {
            on_air_rutin(s);
        } else {
            off_air_rutin(s);
        }
        return;
    }
    k.t_key_on = false;
    // The key is typed in callsigns too: only a transmitter that is on is switched off, so
    // typing never waits for the box.
    if (k.on_air) off_air_rutin(s);
}

void cancel_cmd_Click(Session& s) {
    StationControl& k = s.keyer;
    k.on_air = false;
    k.ismetles_check = Tristate::Clear;
    if (s.ports.player) s.ports.player->stop();
    if (CwOutputPort* cw = cw_output(s)) cw->stop();
    k.stop_request = 1;
    USB_parancs_kuldes(s);
    off_air_rutin(s);
    s.ui().refresh(Aspect::Calling);
}

void EPROM_adat_frissites(Session& s) {
    const KeyerSettings& ks = s.keyer.settings;
    ListBox& list = s.keyer.EPROM_lista;
    list.clear();
    list.add(eprom_settings_text(zero_pad(std::max(0, ks.wpm_combo.list_index) + 5, 2), ks.bal_kez_check,
                                 ks.monitor_check, ks.elkey_check,
                                 std::to_string(std::max(0, ks.kesleltetes_combo.list_index) + 2)));
    for (std::size_t k = 1; k <= 4; ++k)
        list.add("Msg" + zero_pad(static_cast<long long>(k), 2) + ":" + eprom_message(s, k));
    s.ui().refresh(Aspect::Calling);
}

void EPROM_cmd_Click(Session& s, int index) {
    StationControl& k = s.keyer;
    if (!port_open(s)) {
        alert(s, hu(u8"Nincs kapcsolat!"));
        return;
    }
    // A second EPROM button pressed inside the wait of the first would interleave the slots.
    if (k.eprom_busy) return;
    k.EPROM_lista.clear();
    s.ui().refresh(Aspect::Calling);
    if (index == 2) {
        EPROM_adat_frissites(s);
        return;
    }
    if (index < 0 || index > 3) return;
    k.eprom_busy = true;
    s.ui().busy(true);
    bool answered = true;
    if (index == 0) {
        for (int slot = 1; slot <= 4 && answered; ++slot) {
            answered =
                eprom_exchange(s, eprom_write_command(slot, eprom_message(s, static_cast<std::size_t>(slot))),
                               &StationControl::ack_received);
        }
    } else if (index == 1) {
        for (Text& slot : k.eprom_slots) slot.clear();
        for (std::size_t slot = 0; slot < k.eprom_slots.size() && answered; ++slot) {
            answered =
                eprom_exchange(s, "R" + std::to_string(slot) + kCrLf, &StationControl::memory_line_received);
            if (answered) k.eprom_slots[slot] = k.last_memory_line;
        }
    } else {
        answered = eprom_exchange(s, Text("WI") + kCrLf, &StationControl::ack_received);
    }
    s.ui().busy(false);
    k.eprom_busy = false;
    if (!answered) {
        eprom_silent(s);
        return;
    }
    s.ui().beep();
    if (index == 0) s.ui().message("Sent!");
    if (index == 1) {
        k.EPROM_lista.add(eprom_settings_from_slot(k.eprom_slots[0]));
        for (std::size_t slot = 1; slot < k.eprom_slots.size(); ++slot)
            k.EPROM_lista.add(k.eprom_slots[slot]);
        s.ui().refresh(Aspect::Calling);
    }
    if (index == 3) s.ui().message("Done!");
}

}  // namespace loxar
