// Automatic calling and the CW and voice message lists.
#include "session/calling.hpp"

#include <filesystem>

#include "model/file_io.hpp"
#include "session/keyer_text.hpp"
#include "session/keying_box.hpp"
#include "session/questions.hpp"
#include "session/rig_control.hpp"
#include "session/voice_player.hpp"
#include "station/box_protocol.hpp"
#include "station/message_files.hpp"

namespace loxar {

namespace {

constexpr const char* kCallSettingsFile = "hivas_adat.txt";
constexpr short kVoice = 0;
constexpr short kCw = 1;
// Status reports of the player while a voice message plays.
constexpr int kPlayerStatusMs = 50;
// Entries a message set load empties first.
constexpr std::size_t kSetEntries = 32;

void set_caption(Session& s, bool calling) {
    s.view[Control::hivas_cmd].caption = calling ? hu(u8"leáll&Itás") : hu(u8"Hívás &Indítás");
    s.ui().refresh(Aspect::View);
}

long selected(const ListBox& list) {
    return list.first_selected();
}

std::array<Text, kMessageSlots>& table(Session& s, short lista) {
    return lista == kCw ? s.keyer.cw_messages : s.keyer.voice_messages;
}

void refill(Session& s, short lista) {
    if (lista == kCw) {
        cw_combo_toltes(s);
    } else {
        voice_combo_toltes(s);
    }
}

bool file_exists(const Text& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(fs_path(path), ec);
}

// Plays `path` from its start; status reports follow until it ends.
void voice_start(Session& s, const Text& path) {
    MediaPlayer* p = s.ports.player;
    if (!p || !p->available()) {
        s.keyer.playing = false;
        return;
    }
    if (p->is_open()) p->close();
    p->set_file(path);
    if (!p->is_open()) p->open();
    p->set_status_handler([&s] { magno_StatusUpdate(s); });
    p->set_status_interval(kPlayerStatusMs);
    p->play_from(0);
}

// The CW output of the settings; the keying box when it is the box.
CwOutputPort& cw_output_or(const Session& s, CwOutputPort& box) {
    CwOutputPort* other = cw_output(s);
    return other ? *other : box;
}

// Whether the mode's messages have a way to the air: the keying box on an open port, or for CW
// another CW output, for voice the radio's PTT.
bool calling_link(const Session& s) {
    if (is_cw_mode(s) && cw_output(s)) return true;
    if (is_voice_mode(s) && rig_keys_voice(s)) return true;
    return port_open(s);
}

// Calling runs only with a way to the air: a start kept for later would go on the air unasked
// when a port is opened. Tells the operator instead; true when there is one.
bool port_ready_for_calling(Session& s) {
    if (calling_link(s)) return true;
    s.ui().notice(hu(u8"Nincs kapcsolat a billentyűzővel!"));
    return false;
}

void start_calling(Session& s) {
    s.keyer.calling_state = CallingStep::OnAir;
    set_caption(s, true);
}

void end_calling(Session& s) {
    s.keyer.calling_state = CallingStep::Idle;
    set_caption(s, false);
    off_air_rutin(s);
}

void calling_step(Session& s) {
    StationControl& k = s.keyer;
    const bool cw = is_cw_mode(s);
    const bool voice = is_voice_mode(s);
    switch (k.calling_state) {
        case CallingStep::Idle: break;
        case CallingStep::OnAir:
            k.stop_request = 0;
            on_air_rutin(s);
            s.ui().process_events();
            k.playing = true;
            k.calling_state = CallingStep::Send;
            break;
        case CallingStep::Send:
            if (cw) {
                const long item = selected(k.hivas_lista[kCw]);
                const Text message = item >= 0 ? k.cw_messages[static_cast<std::size_t>(item)] : Text();
                KeyingBoxCw box(k);
                cw_output_or(s, box).send(riport_ertelmezes(s, message),
                                          std::max(0, k.settings.wpm_combo.list_index) + 5);
            } else if (voice) {
                const long item = selected(k.hivas_lista[kVoice]);
                if (item >= 0) voice_start(s, k.voice_messages[static_cast<std::size_t>(item)]);
            }
            k.calling_state = CallingStep::Wait;
            break;
        case CallingStep::Wait:
            if (cw) {
                KeyingBoxCw box(k);
                if (cw_output_or(s, box).done()) {
                    k.pause_ticks = 0;
                    k.calling_state = CallingStep::Pause;
                }
            } else if (voice) {
                if (k.stop_request == 1) {
                    k.stop_request = 0;
                    k.ismetles_check = Tristate::Clear;
                    if (s.ports.player) s.ports.player->stop();
                    k.pause_ticks = 0;
                    k.calling_state = CallingStep::Pause;
                } else if (!k.playing) {
                    k.pause_ticks = 0;
                    k.calling_state = CallingStep::Pause;
                }
            } else {
                // The mode was changed away from CW and voice: nothing is left to send.
                end_calling(s);
            }
            break;
        case CallingStep::Pause:
            if (k.ismetles_check == Tristate::Ticked) {
                ++k.pause_ticks;
                if (k.pause_ticks >= (std::max(0, k.settings.ismetles_combo.list_index) + 2) * 10)
                    k.calling_state = CallingStep::OnAir;
            } else if (cw) {
                if (k.ismetles_check == Tristate::Grey && k.cw_continue) break;
                end_calling(s);
                k.cw_continue = false;
            } else {
                end_calling(s);
            }
            break;
    }
    s.ui().refresh(Aspect::Calling);
}

bool check_selected(Session& s, short lista) {
    const long item = selected(s.keyer.hivas_lista[lista]);
    if (item < 0) {
        alert(s, "Select before!");
        return false;
    }
    const Text& entry = table(s, lista)[static_cast<std::size_t>(item)];
    if (empty_message(entry)) {
        alert(s, "Nothing to play!");
        return false;
    }
    if (lista == kVoice && !file_exists(entry)) {
        alert(s, "File not found!");
        return false;
    }
    return true;
}

std::filesystem::path call_settings_path(const Session& s) {
    return s.paths.system_dir / kCallSettingsFile;
}

void choose_set_file(Session& s, short lista, ChooserMode mode) {
    s.dialog.chooser_mode = mode;
    s.dialog.chooser_directory = text_path(lista == kCw ? s.paths.cw_dir : s.paths.ssb_dir);
    s.dialog.chooser_extension = lista == kCw ? "cw" : "dat";
    s.ui().file_valasztas(s.dialog);
}

}  // namespace

void call_vekker_Timer(Session& s) {
    USB_kezeles(s);
    billentyuzo_lampa_frissites(s);
    StationControl& k = s.keyer;
    // The CW list shows "<M>" as the own callsign: one typed or loaded since shows at once.
    if (k.listed_own_call != s.station.hivojel_text) {
        const long keep = k.hivas_lista[kCw].list_index;
        cw_combo_toltes(s);
        if (keep >= 0) {
            k.hivas_lista[kCw].select_only(static_cast<std::size_t>(keep));
            k.hivas_lista[kCw].list_index = keep;
        }
    }
    // A tick inside the step's own wait only polls the box.
    if (k.in_calling_step || !calling_link(s)) return;
    if (!k.calling_active()) return;
    k.in_calling_step = true;
    calling_step(s);
    k.in_calling_step = false;
}

void stop_calling(Session& s) {
    s.keyer.calling_state = CallingStep::Idle;
    s.keyer.cw_continue = false;
    set_caption(s, false);
}

void hivas_cmd_Click(Session& s) {
    StationControl& k = s.keyer;
    if (is_cw_mode(s)) {
        if (!cw_combo_ellenorzes(s)) return;
        if (!k.calling_active()) {
            if (!port_ready_for_calling(s)) return;
            k.cw_continue = true;
            start_calling(s);
        } else {
            k.cw_continue = false;
            set_caption(s, false);
        }
    } else if (is_voice_mode(s)) {
        if (!voice_combo_ellenorzes(s)) return;
        if (!k.calling_active()) {
            if (hang_lejatszo_ellenorzes(s) && port_ready_for_calling(s)) start_calling(s);
        } else {
            k.calling_state = CallingStep::Idle;
            set_caption(s, false);
        }
    }
}

bool funkcio_billentyu(Session& s, int message_number) {
    if (message_number < 1 || message_number > kFunctionKeys) return false;
    const bool cw = is_cw_mode(s);
    if (!cw && !is_voice_mode(s)) return false;
    const short lista = cw ? kCw : kVoice;
    const auto item = static_cast<std::size_t>(message_number - 1);
    ListBox& list = s.keyer.hivas_lista[lista];
    s.keyer.hivas_valaszto = lista;
    if (item < list.size()) {
        list.select_only(item);
        list.list_index = static_cast<long>(item);
    }
    s.ui().refresh(Aspect::Calling);
    const Text& entry = table(s, lista)[item];
    if (empty_message(entry)) return false;
    if (!cw) {
        if (!file_exists(entry)) {
            alert(s, "File not found!");
            return true;
        }
        if (!hang_lejatszo_ellenorzes(s)) return true;
    }
    if (port_ready_for_calling(s)) start_calling(s);
    return true;
}

void cw_combo_toltes(Session& s) {
    ListBox& list = s.keyer.hivas_lista[kCw];
    list.clear();
    for (int k = 1; k <= kFunctionKeys; ++k) {
        list.add(
            message_item(k, betoltes_ertelmezes(s, s.keyer.cw_messages[static_cast<std::size_t>(k - 1)])));
    }
    list.select_only(0);
    list.list_index = 0;
    s.keyer.listed_own_call = s.station.hivojel_text;
    s.ui().refresh(Aspect::Calling);
}

void voice_combo_toltes(Session& s) {
    ListBox& list = s.keyer.hivas_lista[kVoice];
    list.clear();
    for (int k = 1; k <= kFunctionKeys; ++k) {
        list.add(message_item(k, voice_file_name(s.keyer.voice_messages[static_cast<std::size_t>(k - 1)])));
    }
    list.select_only(0);
    list.list_index = 0;
    s.ui().refresh(Aspect::Calling);
}

void hivas_hozzaadas_rutin(Session& s, short lista) {
    const long item = selected(s.keyer.hivas_lista[lista == kCw ? kCw : kVoice]);
    if (item < 0) {
        alert(s, hu(u8"Válasszon poziciót'"));
        return;
    }
    if (lista == kCw) {
        const Text text = trim(s.keyer.hivas_cw_text);
        if (text.empty()) {
            alert(s, hu(u8"Nincs mit hozzáadni'"));
            return;
        }
        s.keyer.cw_messages[static_cast<std::size_t>(item)] = text;
        cw_combo_toltes(s);
        return;
    }
    // The voice messages are WAV files: the chooser lists only files with this extension.
    s.dialog.chooser_mode = ChooserMode::Open;
    s.dialog.chooser_directory = text_path(s.paths.ssb_dir);
    s.dialog.chooser_extension = "wav";
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    s.keyer.voice_messages[static_cast<std::size_t>(item)] = s.dialog.chosen_path;
    voice_combo_toltes(s);
}

void hivas_lista_DblClick(Session& s, short lista) {
    if (lista != kCw) {
        s.ui().beep();
        return;
    }
    const ListBox& list = s.keyer.hivas_lista[kCw];
    const long item = selected(list);
    if (item < 0) return;
    s.keyer.hivas_cw_text = col_from(list.at(static_cast<std::size_t>(item)), 5);
    s.ui().refresh(Aspect::Calling);
}

void hivas_lista_torles(Session& s, short lista) {
    const short which = lista == kCw ? kCw : kVoice;
    const long item = selected(s.keyer.hivas_lista[which]);
    if (item < 0) return;
    table(s, which)[static_cast<std::size_t>(item)] = "-----";
    refill(s, which);
}

void hivas_mentes_rutin(Session& s, short sorszam) {
    const short lista = sorszam == kCw ? kCw : kVoice;
    choose_set_file(s, lista, ChooserMode::Save);
    if (s.dialog.chosen_path.empty()) return;
    const MessageSet set = lista == kCw ? MessageSet::Cw : MessageSet::Voice;
    if (!write_file_atomic(fs_path(s.dialog.chosen_path), message_set_text(set, table(s, lista)))) {
        report_not_saved(s, s.dialog.chosen_path);
    }
}

void hivas_beolvasas_cmd_Click(Session& s, short index) {
    const short lista = index == kCw ? kCw : kVoice;
    const MessageSet set = lista == kCw ? MessageSet::Cw : MessageSet::Voice;
    // The table is emptied only for a file that loads: a cancelled or broken load keeps the
    // messages the operator had.
    choose_set_file(s, lista, ChooserMode::Open);
    if (s.dialog.chosen_path.empty()) return;
    const std::optional<Text> bytes = read_file(fs_path(s.dialog.chosen_path), kMaxSmallFileBytes);
    if (!bytes) {
        alert(s, hu(u8"A file nem olvasható: ") + s.dialog.chosen_path);
        return;
    }
    const MessageSetRead read = read_message_set(set, *bytes);
    if (read.result == MessageSetRead::Result::WrongFormat) {
        alert(s, read.line + "Wrong format!  ");
        return;
    }
    if (read.result == MessageSetRead::Result::NoEnd) {
        alert(s, read.line + "End not found!  ");
        return;
    }
    std::array<Text, kMessageSlots>& messages = table(s, lista);
    for (std::size_t k = 0; k < kSetEntries; ++k) messages[k] = "----";
    for (std::size_t k = 0; k < read.entries.size(); ++k) messages[k] = read.entries[k];
    refill(s, lista);
}

void hivas_test_cmd_Click(Session& s) {
    if (!voice_combo_ellenorzes(s) || !hang_lejatszo_ellenorzes(s)) return;
    const long item = selected(s.keyer.hivas_lista[kVoice]);
    voice_start(s, s.keyer.voice_messages[static_cast<std::size_t>(item)]);
}

bool voice_combo_ellenorzes(Session& s) {
    return check_selected(s, kVoice);
}
bool cw_combo_ellenorzes(Session& s) {
    return check_selected(s, kCw);
}

void magno_StatusUpdate(Session& s) {
    MediaPlayer* p = s.ports.player;
    if (!p || p->is_playing()) return;
    p->set_status_interval(0);
    p->prev();
    s.keyer.playing = false;
    off_air_rutin(s);
}

void hivas_adat_beolvasas(Session& s) {
    const std::filesystem::path path = call_settings_path(s);
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        const std::optional<Text> bytes = read_file(path, kMaxSmallFileBytes);
        if (bytes) {
            apply_call_settings(s, *bytes);
        } else {
            alert(s, hu(u8"Rossz a formátum!"));
        }
    }
    cw_combo_toltes(s);
    voice_combo_toltes(s);
}

void apply_call_settings(Session& s, std::string_view bytes) {
    const std::optional<CallSettings> c = read_call_settings(bytes);
    if (!c) {
        alert(s, hu(u8"Rossz a formátum!"));
        return;
    }
    StationControl& k = s.keyer;
    for (std::size_t i = 0; i < kFunctionKeys; ++i) {
        k.voice_messages[i] = c->voice[i];
        k.cw_messages[i] = c->cw[i];
    }
    // A number outside its list keeps the list's default rather than leaving no choice.
    auto choose = [](Combo& combo, int index) {
        if (index >= 0 && index < combo.size()) combo.set(index);
    };
    choose(k.settings.billentyuzo_port_combo, c->port);
    choose(k.settings.kesleltetes_combo, c->delay);
    choose(k.settings.wpm_combo, c->wpm);
    k.settings.bal_kez_check = c->left_hand;
    k.settings.elkey_check = c->elkey;
    k.settings.monitor_check = c->monitor;
}

bool hivas_adat_iras(Session& s) {
    const StationControl& k = s.keyer;
    CallSettings c;
    for (std::size_t i = 0; i < kFunctionKeys; ++i) {
        c.voice[i] = k.voice_messages[i];
        c.cw[i] = k.cw_messages[i];
    }
    c.port = k.settings.billentyuzo_port_combo.list_index;
    c.delay = k.settings.kesleltetes_combo.list_index;
    c.wpm = k.settings.wpm_combo.list_index;
    c.left_hand = k.settings.bal_kez_check;
    c.elkey = k.settings.elkey_check;
    c.monitor = k.settings.monitor_check;
    return write_file_atomic(call_settings_path(s), call_settings_text(c));
}

void hivas_adat_mentes(Session& s) {
    if (!hivas_adat_iras(s)) report_not_saved(s, call_settings_path(s));
}

}  // namespace loxar
