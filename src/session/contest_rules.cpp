// Contest-type selection on the session: entry-field layouts, rule file and QSO multiplier.
#include "session/contest_rules.hpp"

#include <initializer_list>

#include "model/file_io.hpp"
#include "rules/qso_rules.hpp"
#include "session/db_lookup.hpp"
#include "session/numbering.hpp"
#include "session/oblast_table.hpp"

namespace loxar {

namespace {

// Everything the contest types show, hide or caption differently.
const char* const kEntryControls[] = {"kapott_sorszam_text",
                                      "kapott_sorszam_cmd",
                                      "kuldott_sorszam_text",
                                      "kuldott_sorszam_cmd",
                                      "kapott_QRA_text",
                                      "kapott_QRA_cmd",
                                      "kapott_nev_text",
                                      "kapoo_nev_cmd",
                                      "kapott_sex_combo",
                                      "YL_cmd",
                                      "OM_cmd",
                                      "kuldott_nev_text",
                                      "kuldott_nev_cmd",
                                      "kapott_hivojel_cmd",
                                      "kapott_cmd",
                                      "kuldott_riport_cmd",
                                      "tavolsag_text",
                                      "tavolsag_label",
                                      "pontszam_text",
                                      "pontszam_label",
                                      "ossz_pontszam_text",
                                      "ossz_pontszam_label",
                                      "iranyszog_text",
                                      "iranyszog_cmd",
                                      "hivojel_2_text",
                                      "hivojel_2_cmd",
                                      "csere_cmd",
                                      "qra_lista",
                                      "tavolsag_szamolo_cmd",
                                      "frekvencia_cmd"};

void show(Session& s, std::initializer_list<const char*> names, bool on) {
    for (const char* n : names) s.view[n].visible = on;
}

void caption(Session& s, const char* name, std::u8string_view text) {
    s.view[name].caption = hu(text);
}

void set_fixed_band(Session& s, short index) {
    s.current_band_index = index;
    s.qso.band_text = band_name(index);
    s.sheet.tx_PBand = band_wavelength(index);
}

void apply_layout(Session& s, ContestType t) {
    switch (t) {
        case ContestType::None:
        case ContestType::Iaru:
        case ContestType::CqBp:
            caption(s, "kapott_sorszam_cmd", u8"Kapott s&Orszám");
            s.view["kapott_QRA_text"].enabled = true;
            s.qso.kapott_QRA_text.clear();
            show(s, {"iranyszog_text", "iranyszog_cmd"}, true);
            break;
        case ContestType::YlOm:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &Exch.");
            caption(s, "kuldott_sorszam_cmd", u8"Küldött e&Xch.");
            s.qso.kapott_QRA_text = "AA00AA";
            s.view["kapott_QRA_text"].enabled = false;
            show(s, {"qra_lista"}, false);
            break;
        case ContestType::Exchange:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &Exch");
            s.view["kapott_QRA_text"].enabled = true;
            s.qso.kapott_QRA_text.clear();
            show(s, {"qra_lista"}, false);
            break;
        case ContestType::Hadx:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &Exch");
            caption(s, "kuldott_sorszam_cmd", u8"Küldött e&Xch");
            show(s, {"kapott_QRA_text", "kapott_QRA_cmd", "kapott_nev_text", "kapoo_nev_cmd"}, false);
            s.qso.tavolsag_text = "-----";
            caption(s, "tavolsag_label", u8"Szorzó:");
            ru_exchange_toltes(s);
            break;
        case ContestType::CqwwVhf:
            s.view["kapott_QRA_text"].enabled = true;
            s.qso.kapott_QRA_text.clear();
            show(s,
                 {"kapott_sorszam_text", "kapott_sorszam_cmd", "kuldott_sorszam_text", "kuldott_sorszam_cmd"},
                 false);
            s.qso.kapott_sorszam_text = "0";
            s.qso.kuldott_sorszam_text = "0";
            break;
        case ContestType::HaQrp:
        case ContestType::Dx:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &QTH");
            caption(s, "kuldott_sorszam_cmd", u8"Küldött Q&TH");
            s.qso.kuldott_sorszam_text = s.qso.qth_text;
            s.qso.kuldott_nev_text = s.qso.kezelo_text;
            show(s, {"kapott_QRA_text", "kapott_QRA_cmd"}, false);
            caption(s, "tavolsag_label", u8"Szorzó:");
            s.qso.mod_combo.set(kModeCw);
            s.szorzo_text = "1";
            break;
        case ContestType::RhOb:
            show(s, {"kapott_QRA_text", "kapott_QRA_cmd", "tavolsag_szamolo_cmd"}, false);
            show(s, {"frekvencia_cmd"}, true);
            caption(s, "tavolsag_label", u8"Szorzó:");
            set_fixed_band(s, 3);
            s.qso.frekvencia_text = "03.500";
            break;
        case ContestType::RudxAll:
        case ContestType::RudxTwo:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &Exch");
            show(s, {"kapott_QRA_text", "kapott_QRA_cmd"}, false);
            caption(s, "tavolsag_label", u8"Szorzó");
            ru_exchange_toltes(s);
            break;
        case ContestType::Hskc:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &Exch");
            caption(s, "kuldott_sorszam_cmd", u8"Küldött e&Xch");
            show(s, {"kapott_QRA_text", "kapott_QRA_cmd"}, false);
            caption(s, "tavolsag_label", u8"Szorzó:");
            s.qso.mod_combo.set(kModeCw);
            s.sort_combo = {};
            set_fixed_band(s, 3);
            break;
        case ContestType::SilentKeyMem:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &Exch");
            caption(s, "kuldott_sorszam_cmd", u8"Küldött e&Xch");
            caption(s, "kapott_QRA_cmd", u8"Kapott ITU");
            s.qso.tavolsag_text = "-----";
            caption(s, "tavolsag_label", u8"Szorzó:");
            s.qso.mod_combo.set(kModeCw);
            s.sort_combo = {};
            ru_exchange_toltes(s);
            break;
        case ContestType::Nmark:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &QTH");
            s.qso.kapott_QRA_text = "AA00AA";
            show(s, {"kapott_QRA_text", "kapott_QRA_cmd"}, false);
            s.qso.kuldott_sorszam_text = s.qso.qth_text;
            s.qso.kuldott_nev_text = s.qso.kezelo_text;
            caption(s, "tavolsag_label", u8"Pontszám:");
            caption(s, "pontszam_label", u8"Szorzó:");
            s.qso.mod_combo.set(kModeCw);
            s.szorzo_text = "1";
            break;
        case ContestType::Ref:
            caption(s, "kapott_sorszam_cmd", u8"Kapott &Exch");
            show(s, {"kapott_QRA_text", "kapott_QRA_cmd"}, false);
            caption(s, "tavolsag_label", u8"Szorzó");
            break;
        case ContestType::Swl:
            caption(s, "kapott_hivojel_cmd", u8"&Hallott álls.");
            caption(s, "hivojel_2_cmd", u8"&Partner álls");
            caption(s, "kapott_cmd", u8"&Riport");
            caption(s, "kuldott_riport_cmd", u8"r&Iport");
            caption(s, "kapott_sorszam_cmd", u8"&Exchange");
            caption(s, "kuldott_sorszam_cmd", u8"e&Xchange");
            show(s, {"hivojel_2_text", "hivojel_2_cmd", "csere_cmd"}, true);
            s.qso.kuldott_sorszam_text.clear();
            show(s,
                 {"tavolsag_text", "tavolsag_label", "pontszam_text", "pontszam_label", "ossz_pontszam_text",
                  "ossz_pontszam_label", "tavolsag_szamolo_cmd"},
                 false);
            break;
    }
}

}  // namespace
void beviteli_mezo_inic(Session& s) {
    for (const char* name : kEntryControls) {
        ControlView& v = s.view[name];
        v.visible = true;
        v.enabled = true;
        v.caption.clear();
    }
    caption(s, "kapott_sorszam_cmd", u8"Kapott s&Orszám");
    caption(s, "kuldott_sorszam_cmd", u8"Küldött &Sorszám");
    caption(s, "kapott_QRA_cmd", u8"Kapott &QRA");
    caption(s, "kapott_hivojel_cmd", u8"Kapott &Hivojel");
    caption(s, "kapott_cmd", u8"Kapott &Riport");
    caption(s, "kuldott_riport_cmd", u8"Küldött ri&Port");
    caption(s, "tavolsag_label", u8"Távolság:");
    caption(s, "pontszam_label", u8"Pont:");
    show(
        s,
        {"iranyszog_text", "iranyszog_cmd", "hivojel_2_text", "hivojel_2_cmd", "csere_cmd", "frekvencia_cmd"},
        false);
    s.qso.mod_combo.set(0);
    s.qso.frekvencia_text = "00.000";
}

void szabaly_combo_Click(Session& s) {
    beviteli_mezo_inic(s);
    s.database_name.clear();
    kovetkezo_sorszam_rutin(s);
    const ContestSettings& c = contest_settings(s.szabaly_combo.list_index);
    s.rule_file_name = c.rule_file;
    s.database_name = c.database_name;
    apply_layout(s, s.contest());
    szabaly_beolvasas(s);
    frekisav_szorzo_rutin(s);
    qra_adatbazis_betoltes(s, s.paths.system_dir / (cp1250_to_utf8(s.database_name) + ".qra"));
    if (s.ports.ui) s.ui().refresh(Aspect::All);
}

void szabaly_beolvasas(Session& s) {
    s.rule_values.fill(1);
    s.szorzo_text = "1";
    const auto path = s.paths.rules_dir / s.rule_file_name;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        s.ui().message(text_path(path) + hu(u8" nem található!"));
        return;
    }
    const std::optional<Text> bytes = read_file(path, kMaxSmallFileBytes);
    const RuleRead r = parse_rule_text(bytes.value_or(Text()));
    if (r.bad_line >= 0) {
        s.ui().beep();
        s.ui().message("Hiba a " + std::to_string(r.bad_line) + ". sorban!");
    }
    if (!bytes || r.unreadable) {
        s.ui().beep();
        s.ui().message(hu(u8"Rossz a szabály formátuma!"));
        return;
    }
    s.rule_values = r.values;
}

void frekisav_szorzo_rutin(Session& s) {
    switch (s.contest()) {
        case ContestType::Iaru:
        case ContestType::YlOm:
        case ContestType::Exchange:
        case ContestType::Hadx:
        case ContestType::CqwwVhf: s.band_multiplier = 1; break;
        case ContestType::CqBp: s.band_multiplier = cqbp_band_multiplier(s.current_band_index); break;
        default: break;  // the other types keep the value they found
    }
}

void mod_szorzo_rutin(Session& s) {
    show(s, {"wpm_combo", "wpm_label", "elkey_check", "monitor_check"}, false);
    frekisav_szorzo_rutin(s);
    const int mode = s.qso.mod_combo.list_index;
    if (mode == kModeCw) show(s, {"wpm_combo", "wpm_label", "elkey_check", "monitor_check"}, true);
    // A rule value is a short; a mode without one multiplies by 1.
    const auto value = static_cast<short>(mode_multiplier(s.qso.mod_combo.text(), s.rule_values));
    std::optional<short> product = mode_multiplier_product(s.band_multiplier, value);
    if (!product) {
        // A rule value too large for the multiplier: cap it rather than wrap around.
        const long raw = static_cast<long>(s.band_multiplier) * value;
        product = static_cast<short>(raw > 0 ? 32767 : -32768);
        s.ui().beep();
        s.ui().message(hu(u8"A szabály file szorzója túl nagy, a szorzó ") + std::to_string(*product) +
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
    s.view["yl_label"].caption = hu(
        u8"Dátum    Idő    ----------------------Kapott------------------    Küldött   Sáv     Mód  Pont  ");
}

}  // namespace loxar
