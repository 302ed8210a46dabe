// The radio in the session: settings, following its band, frequency and mode, tuning it.
#include "session/rig_control.hpp"

#include <cmath>

#include "model/file_io.hpp"
#include "session/band_change.hpp"
#include "session/contest_rules.hpp"
#include "session/duplicates.hpp"
#include "session/keying_box.hpp"
#include "session/questions.hpp"
#include "station/rig_follow.hpp"

namespace loxar {

namespace {

std::filesystem::path settings_path(const Session& s) {
    return s.paths.system_dir / kRigSettingsFile;
}

constexpr int kSpeeds[] = {0, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

// The tab's fields from the settings.
void fill_form(Session& s) {
    const RigSettings& st = s.rig.settings;
    RigForm& f = s.rig.form;
    f.rig_kapcsolat_combo.set(static_cast<int>(st.link));
    f.rig_modell_combo.set(-1);
    for (std::size_t i = 0; i < f.model_numbers.size(); ++i) {
        if (f.model_numbers[i] == st.model) f.rig_modell_combo.set(static_cast<int>(i));
    }
    f.rig_eszkoz_text = st.device;
    f.rig_sebesseg_combo.set(0);
    for (std::size_t i = 0; i < std::size(kSpeeds); ++i) {
        if (kSpeeds[i] == st.speed) f.rig_sebesseg_combo.set(static_cast<int>(i));
    }
    f.rig_rigctld_text = st.rigctld;
    f.rig_lekerdezes_text = std::to_string(st.poll_ms);
    f.cw_kimenet_combo.set(static_cast<int>(st.cw));
    f.cwdaemon_text = st.cwdaemon;
    f.ptt_combo.set(static_cast<int>(st.ptt));
}

// The settings the tab's fields give; nothing after telling the operator what is wrong.
std::optional<RigSettings> settings_from_form(Session& s) {
    const RigForm& f = s.rig.form;
    RigSettings st = s.rig.settings;
    st.link = static_cast<RigLink>(std::max(0, f.rig_kapcsolat_combo.list_index));
    const int model = f.rig_modell_combo.list_index;
    if (model >= 0 && static_cast<std::size_t>(model) < f.model_numbers.size()) {
        st.model = f.model_numbers[static_cast<std::size_t>(model)];
    }
    st.device = trim(f.rig_eszkoz_text);
    st.speed =
        kSpeeds[std::clamp(f.rig_sebesseg_combo.list_index, 0, static_cast<int>(std::size(kSpeeds)) - 1)];
    st.rigctld = trim(f.rig_rigctld_text);
    st.cw = static_cast<CwOutput>(std::max(0, f.cw_kimenet_combo.list_index));
    st.cwdaemon = trim(f.cwdaemon_text);
    st.ptt = static_cast<VoicePtt>(std::max(0, f.ptt_combo.list_index));
    const Text poll = trim(f.rig_lekerdezes_text);
    const long long ms = all_digits(poll) && poll.size() < 6 ? int_value(poll) : 0;
    if (ms < kRigPollMinMs || ms > kRigPollMaxMs) {
        alert(s, hu(u8"A lekérdezés ideje 100 és 5000 ms között legyen!"));
        return std::nullopt;
    }
    st.poll_ms = static_cast<int>(ms);
    if (st.link == RigLink::Serial && st.device.empty()) {
        alert(s, hu(u8"Adja meg a rádió soros portját!"));
        return std::nullopt;
    }
    if ((st.link == RigLink::Rigctld && st.rigctld.empty()) ||
        (st.cw == CwOutput::Cwdaemon && st.cwdaemon.empty())) {
        alert(s, hu(u8"Adja meg a gép:port címet!"));
        return std::nullopt;
    }
    if (st.link == RigLink::None && (st.cw == CwOutput::RigKeyer || st.ptt == VoicePtt::Rig)) {
        alert(s, hu(u8"A rádió CW-jéhez és PTT-jéhez előbb válassza ki a rádiót!"));
        return std::nullopt;
    }
    return st;
}

// The lamp beside the frequency field and the state on the "Rig" tab.
void show_rig(Session& s) {
    static constexpr Color kColours[] = {Color::Grey, Color::Green, Color::Red};
    s.view[Control::rig_lampa].back = kColours[static_cast<int>(s.rig.lamp)];
    // The tab has room for the whole reason; the status line only says whether it answers.
    const Text state = s.rig.lamp == RigLamp::Silent ? s.rig.problem : rig_status(s);
    s.view[Control::rig_allapot_label].caption = state.empty() ? hu(u8"Nincs rádió beállítva.") : state;
}

void connect_radio(Session& s) {
    RigState& r = s.rig;
    r.lamp = r.settings.link == RigLink::None ? RigLamp::None : RigLamp::Silent;
    r.problem = r.settings.link == RigLink::None ? Text() : hu(u8"Kapcsolódás a rádióhoz...");
    r.told = false;
    r.hz = 0;
    r.mode.clear();
    r.waiting_band.reset();
    show_rig(s);
    if (s.ports.rig) s.ports.rig->configure(r.settings);
    for (CwOutputPort* p : {s.ports.cwdaemon, s.ports.rig_keyer}) {
        if (p) p->configure(r.settings);
    }
}

// The QSO in the fields is the operator's, typed since the last add or being edited: its band
// must not move under it.
bool qso_being_typed(const Session& s) {
    return s.edit_mode || (!s.entry_untouched_since_add && !trim(s.qso.kapott_hivojel_text).empty());
}

void take_band(Session& s, int band, long long hz) {
    s.rig.waiting_band.reset();
    follow_band(s, band);
    s.qso.frekvencia_text = rig_frequency_field(hz);
}

// The link's state, and the operator told once per outage; the caller shows it.
void set_link(Session& s, bool answering, const Text& problem) {
    RigState& r = s.rig;
    if (answering) {
        if (r.told) s.ui().clear_notice();  // the trouble told of is over
        r.lamp = RigLamp::Answering;
        r.problem.clear();
        r.told = false;
    } else {
        r.lamp = RigLamp::Silent;
        r.problem = problem;
        // One notice per outage, without a box: the operator goes on typing.
        if (!r.told) s.ui().notice(problem);
        r.told = true;
    }
}

// A band held for the QSO being typed, taken once it is not typed any more; true when taken.
bool take_held_band(Session& s) {
    RigState& r = s.rig;
    if (!r.waiting_band || qso_being_typed(s)) return false;
    take_band(s, *r.waiting_band, r.waiting_hz);
    return true;
}

void tune(Session& s, long long hz) {
    if (!s.ports.rig || s.rig.settings.link == RigLink::None || hz <= 0) return;
    s.ports.rig->tune(hz, ++s.rig.tuned);
}

}  // namespace

void rig_adat_beolvasas(Session& s) {
    const std::optional<Text> bytes = read_file(settings_path(s));
    s.rig.settings = bytes ? parse_rig_settings(*bytes) : RigSettings{};
    fill_form(s);
    connect_radio(s);
}

void rig_models_known(Session& s, std::vector<Text> names, std::vector<int> numbers) {
    s.rig.form.rig_modell_combo.items = std::move(names);
    s.rig.form.model_numbers = std::move(numbers);
    fill_form(s);
}

void rig_alkalmaz_cmd_Click(Session& s) {
    const std::optional<RigSettings> st = settings_from_form(s);
    if (!st) return;
    s.rig.settings = *st;
    if (!write_file_atomic(settings_path(s), rig_settings_text(*st))) report_not_saved(s, settings_path(s));
    connect_radio(s);
    s.ui().refresh(Aspect::View | Aspect::Selectors);
}

void rig_reading(Session& s, long long hz, const Text& mode, unsigned sequence) {
    RigState& r = s.rig;
    if (sequence < r.tuned || r.settings.link == RigLink::None) return;
    if (r.lamp != RigLamp::Answering) set_link(s, true, {});
    const bool moved = hz != r.hz;
    const bool mode_turned = mode != r.mode;
    r.hz = hz;
    r.mode = mode;
    Aspect changed = Aspect::View;
    if (moved) {
        const int band = rig_band(hz);
        if (band > 0) r.band_hz[static_cast<std::size_t>(band)] = hz;
        if (band > 0 && band != s.current_band_index && qso_being_typed(s)) {
            // Held whole: the frequency field is written into the line in the band's place.
            r.waiting_band = band;
            r.waiting_hz = hz;
        } else {
            take_band(s, band, hz);
            changed = changed | Aspect::EntryFields;
        }
    }
    if (mode_turned) {
        const std::optional<Text> item = rig_log_mode(mode);
        const int index = item ? s.qso.mod_combo.find(*item) : -1;
        if (index >= 0 && index != s.qso.mod_combo.list_index) {
            s.qso.mod_combo.set(index);
            mod_szorzo_rutin(s);
            keyer_control_changed(s, Control::mod_combo);
            changed = changed | Aspect::Selectors | Aspect::EntryFields | Aspect::Calling;
        }
    }
    if (take_held_band(s)) changed = changed | Aspect::EntryFields;
    show_rig(s);
    s.ui().refresh(changed);
}

void rig_catch_up(Session& s) {
    if (take_held_band(s)) s.ui().refresh(Aspect::EntryFields | Aspect::View);
}

void rig_link_changed(Session& s, bool answering, const Text& problem) {
    if (s.rig.settings.link == RigLink::None) return;
    set_link(s, answering, problem);
    show_rig(s);
    s.ui().refresh(Aspect::View);
}

void rig_tune_to_band(Session& s) {
    const int band = s.current_band_index;
    if (band <= 0 || band >= kBandCount) return;
    const long long last = s.rig.band_hz[static_cast<std::size_t>(band)];
    tune(s, last > 0 ? last : std::llround(band_start_khz(band) * 1000));
}

void frekvencia_text_Enter(Session& s) {
    const Text typed = trim(s.qso.frekvencia_text);
    if (!is_numeric(typed) || val(typed) <= 0) return;
    tune(s, std::llround(val(typed) * 1'000'000));
}

bool rig_keys_voice(const Session& s) {
    return s.rig.settings.link != RigLink::None && s.rig.settings.ptt == VoicePtt::Rig && s.ports.rig;
}

CwOutputPort* cw_output(const Session& s) {
    switch (s.rig.settings.cw) {
        case CwOutput::KeyingBox: return nullptr;
        case CwOutput::Cwdaemon: return s.ports.cwdaemon;
        case CwOutput::RigKeyer: return s.rig.settings.link == RigLink::None ? nullptr : s.ports.rig_keyer;
    }
    return nullptr;
}

Text rig_status(const Session& s) {
    const RigState& r = s.rig;
    switch (r.lamp) {
        case RigLamp::None: return {};
        case RigLamp::Answering: return hu(u8"Rádió: ") + std::to_string(r.hz / 1000) + " kHz " + r.mode;
        case RigLamp::Silent: return hu(u8"Rádió: nem válaszol");
    }
    return {};
}

}  // namespace loxar
