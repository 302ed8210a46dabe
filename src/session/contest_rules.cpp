// Contest-type selection on the session: entry-field layouts, rule file and QSO multiplier.
#include "session/contest_rules.hpp"

#include <initializer_list>

#include "model/contest_profile.hpp"
#include "model/file_io.hpp"
#include "rules/qso_rules.hpp"
#include "session/db_lookup.hpp"
#include "session/numbering.hpp"
#include "session/oblast_table.hpp"
#include "session/questions.hpp"

namespace loxar {

namespace {

// Everything the contest types show, hide or caption differently.
const Control kEntryControls[] = {Control::kapott_sorszam_text,
                                  Control::kapott_sorszam_cmd,
                                  Control::kuldott_sorszam_text,
                                  Control::kuldott_sorszam_cmd,
                                  Control::kapott_QRA_text,
                                  Control::kapott_QRA_cmd,
                                  Control::kapott_nev_text,
                                  Control::kapoo_nev_cmd,
                                  Control::kapott_sex_combo,
                                  Control::YL_cmd,
                                  Control::OM_cmd,
                                  Control::kuldott_nev_text,
                                  Control::kuldott_nev_cmd,
                                  Control::kapott_hivojel_cmd,
                                  Control::kapott_cmd,
                                  Control::kuldott_riport_cmd,
                                  Control::tavolsag_text,
                                  Control::tavolsag_label,
                                  Control::pontszam_text,
                                  Control::pontszam_label,
                                  Control::ossz_pontszam_text,
                                  Control::ossz_pontszam_label,
                                  Control::iranyszog_text,
                                  Control::iranyszog_cmd,
                                  Control::hivojel_2_text,
                                  Control::hivojel_2_cmd,
                                  Control::csere_cmd,
                                  Control::qra_lista,
                                  Control::tavolsag_szamolo_cmd,
                                  Control::frekvencia_cmd};

void show(Session& s, std::initializer_list<Control> names, bool on) {
    for (Control n : names) s.view[n].visible = on;
}

void caption(Session& s, Control name, std::u8string_view text) {
    s.view[name].caption = hu(text);
}

void set_fixed_band(Session& s, short index) {
    s.current_band_index = index;
    s.qso.band_text = band_name(index);
    s.sheet.tx_PBand = band_wavelength(index);
}

// The chosen type's entry panel over the common one, and the fields it starts from.
void apply_layout(Session& s, const ContestProfile& p) {
    const EntryLayout& e = p.entry;
    for (const ControlCaption& c : e.captions) {
        if (c.control) caption(s, *c.control, c.text);
    }
    for (const std::optional<Control>& c : e.shown) {
        if (c) s.view[*c].visible = true;
    }
    for (const std::optional<Control>& c : e.hidden) {
        if (c) s.view[*c].visible = false;
    }
    for (const std::optional<Control>& c : e.disabled) {
        if (c) s.view[*c].enabled = false;
    }
    switch (e.locator) {
        case LocatorEntry::Kept: break;
        case LocatorEntry::Typed: s.qso.kapott_QRA_text.clear(); break;
        case LocatorEntry::Fixed: s.qso.kapott_QRA_text = "AA00AA"; break;
    }
    switch (e.serials) {
        case SerialEntry::Kept: break;
        case SerialEntry::Zero:
            s.qso.kapott_sorszam_text = "0";
            s.qso.kuldott_sorszam_text = "0";
            break;
        case SerialEntry::OwnQth:
            s.qso.kuldott_sorszam_text = s.qso.qth_text;
            s.qso.kuldott_nev_text = s.qso.kezelo_text;
            break;
        case SerialEntry::SentCleared: s.qso.kuldott_sorszam_text.clear(); break;
    }
    if (e.distance) s.qso.tavolsag_text = e.distance;
    if (e.cw_only) s.qso.mod_combo.set(kModeCw);
    if (e.clears_worked_keys) s.sort_combo = {};
    if (p.start_band >= 0) set_fixed_band(s, p.start_band);
    if (e.frequency) s.qso.frekvencia_text = e.frequency;
    if (e.loads_oblasts) ru_exchange_toltes(s);
}

}  // namespace
void beviteli_mezo_inic(Session& s) {
    for (Control name : kEntryControls) {
        ControlView& v = s.view[name];
        v.visible = true;
        v.enabled = true;
        v.caption.clear();
    }
    caption(s, Control::kapott_sorszam_cmd, u8"Kapott s&Orszám");
    caption(s, Control::kuldott_sorszam_cmd, u8"Küldött &Sorszám");
    caption(s, Control::kapott_QRA_cmd, u8"Kapott &QRA");
    caption(s, Control::kapott_hivojel_cmd, u8"Kapott &Hivojel");
    caption(s, Control::kapott_cmd, u8"Kapott &Riport");
    caption(s, Control::kuldott_riport_cmd, u8"Küldött ri&Port");
    caption(s, Control::tavolsag_label, u8"Távolság:");
    caption(s, Control::pontszam_label, u8"Pont:");
    show(s,
         {Control::iranyszog_text, Control::iranyszog_cmd, Control::hivojel_2_text, Control::hivojel_2_cmd,
          Control::csere_cmd, Control::frekvencia_cmd},
         false);
    s.qso.mod_combo.set(0);
    s.qso.frekvencia_text = "00.000";
}

void szabaly_combo_Click(Session& s) {
    beviteli_mezo_inic(s);
    s.rules.database_name.clear();
    kovetkezo_sorszam_rutin(s);
    const ContestProfile& p = contest_profile(s.contest());
    s.rules.rule_file_name = p.rule_file;
    s.rules.database_name = p.database_name;
    apply_layout(s, p);
    szabaly_beolvasas(s);
    frekisav_szorzo_rutin(s);
    qra_adatbazis_betoltes(s, s.paths.system_dir / (cp1250_to_utf8(s.rules.database_name) + ".qra"));
    if (s.ports.ui) s.ui().refresh(Aspect::All);
}

void szabaly_beolvasas(Session& s) {
    s.rules.rule_values.fill(1);
    s.szorzo_text = "1";
    const auto path = s.paths.rules_dir / s.rules.rule_file_name;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        s.ui().message(text_path(path) + hu(u8" nem található!"));
        return;
    }
    const std::optional<Text> bytes = read_file(path, kMaxSmallFileBytes);
    const RuleRead r = parse_rule_text(bytes.value_or(Text()));
    if (r.bad_line >= 0) {
        alert(s, "Hiba a " + std::to_string(r.bad_line) + ". sorban!");
    }
    if (!bytes || r.unreadable) {
        alert(s, hu(u8"Rossz a szabály formátuma!"));
        return;
    }
    s.rules.rule_values = r.values;
}

void frekisav_szorzo_rutin(Session& s) {
    switch (contest_profile(s.contest()).band_multiplier) {
        case BandMultiplier::Kept: break;
        case BandMultiplier::One: s.rules.band_multiplier = 1; break;
        case BandMultiplier::ByBand:
            s.rules.band_multiplier = cqbp_band_multiplier(s.current_band_index);
            break;
    }
}

void mod_szorzo_rutin(Session& s) {
    show(s, {Control::wpm_combo, Control::wpm_label, Control::elkey_check, Control::monitor_check}, false);
    frekisav_szorzo_rutin(s);
    const int mode = s.qso.mod_combo.list_index;
    if (mode == kModeCw)
        show(s, {Control::wpm_combo, Control::wpm_label, Control::elkey_check, Control::monitor_check}, true);
    // A rule value is a short; a mode without one multiplies by 1.
    const auto value = static_cast<short>(mode_multiplier(s.qso.mod_combo.text(), s.rules.rule_values));
    std::optional<short> product = mode_multiplier_product(s.rules.band_multiplier, value);
    if (!product) {
        // A rule value too large for the multiplier: cap it rather than wrap around.
        const long raw = static_cast<long>(s.rules.band_multiplier) * value;
        product = static_cast<short>(raw > 0 ? 32767 : -32768);
        alert(s, hu(u8"A szabály file szorzója túl nagy, a szorzó ") + std::to_string(*product) +
                     hu(u8" lett!"));
    }
    s.szorzo_text = std::to_string(*product);
    const Text report = mode == kModeCw ? "599" : "59";
    s.qso.kapott_riport_text = report;
    s.qso.kuldott_riport_text = report;
    if (s.ports.ui) s.ui().refresh(Aspect::EntryFields | Aspect::View);
}

void special_szabaly_szamolas(Session&) {}

void yl_label_toltes(Session& s) {
    s.view[Control::yl_label].caption = hu(
        u8"Dátum    Idő    ----------------------Kapott------------------    Küldött   Sáv     Mód  Pont  ");
}

}  // namespace loxar
