// The binding tables: control name to session field.
#include "ui/bindings.hpp"

#include "reports/data_sheet.hpp"

namespace loxar {

namespace {

FieldKind sheet_kind(const char* control) {
    const SheetField* f = find_sheet_field(control);
    return f ? f->kind : FieldKind{};
}

// The EDI claim lines join the result fields by ";".
constexpr FieldKind kResult{FieldChars::Record, FieldCase::Keep};

}  // namespace

#define QSO_FIELD(name)                                                                        \
    {                                                                                          \
#name, [](Session & s) -> Text& { return s.qso.name; }, false, entry_field_kind(#name) \
    }
#define STATION_FIELD(name)                                                                        \
    {                                                                                              \
#name, [](Session & s) -> Text& { return s.station.name; }, false, entry_field_kind(#name) \
    }
#define SHEET_FIELD(name)                                                                  \
    {                                                                                      \
#name, [](Session & s) -> Text& { return s.sheet.name; }, false, sheet_kind(#name) \
    }
#define RESULT_FIELD(name)                                                       \
    {                                                                            \
#name, [](Session & s) -> Text& { return s.sheet.name; }, false, kResult \
    }
#define SHEET_COMBO(name)                                         \
    {                                                             \
#name, [](Session & s) -> Combo& { return s.sheet.name; } \
    }

const std::vector<TextBinding>& text_bindings() {
    static const std::vector<TextBinding> table = {
        QSO_FIELD(log_ido),
        QSO_FIELD(kapott_hivojel_text),
        QSO_FIELD(kapott_riport_text),
        QSO_FIELD(kapott_sorszam_text),
        QSO_FIELD(kapott_QRA_text),
        QSO_FIELD(kapott_nev_text),
        QSO_FIELD(kuldott_riport_text),
        QSO_FIELD(kuldott_sorszam_text),
        QSO_FIELD(kuldott_nev_text),
        QSO_FIELD(tavolsag_text),
        QSO_FIELD(pontszam_text),
        {"log_sorszam_text", [](Session& s) -> Text& { return s.qso.log_sorszam_text; }, true},
        {"edit_sorszam_text", [](Session& s) -> Text& { return s.qso.edit_sorszam_text; }, true},
        {"band_text", [](Session& s) -> Text& { return s.qso.band_text; }, true},
        QSO_FIELD(frekvencia_text),
        QSO_FIELD(hivojel_2_text),
        QSO_FIELD(kezelo_text),
        QSO_FIELD(qth_text),
        STATION_FIELD(hivojel_text),
        STATION_FIELD(QRA_text),
        STATION_FIELD(exch_text),
        STATION_FIELD(verseny_neve_text),
        {"szorzo_text", [](Session& s) -> Text& { return s.szorzo_text; }, true},
        {"ossz_pontszam_text", [](Session& s) -> Text& { return s.ossz_pontszam_text; }, true},
        {"pontos_ido", [](Session& s) -> Text& { return s.pontos_ido; }, true},
        {"iranyszog_text", [](Session& s) -> Text& { return s.iranyszog_text; }},
        SHEET_FIELD(tx_PCall),
        SHEET_FIELD(tx_PWWLo),
        SHEET_FIELD(tx_TDate_1),
        SHEET_FIELD(tx_TDate_2),
        SHEET_FIELD(tx_PExch),
        SHEET_FIELD(tx_PBand),
        SHEET_FIELD(tx_TName),
        SHEET_FIELD(tx_PAdr1),
        SHEET_FIELD(tx_PAdr2),
        SHEET_FIELD(tx_PSect),
        SHEET_FIELD(tx_PClub),
        SHEET_FIELD(tx_RName),
        SHEET_FIELD(tx_RCall),
        SHEET_FIELD(tx_RAdr1),
        SHEET_FIELD(tx_RAdr2),
        SHEET_FIELD(tx_RPoCo),
        SHEET_FIELD(tx_RCity),
        SHEET_FIELD(tx_RCoun),
        SHEET_FIELD(tx_RPhon),
        SHEET_FIELD(tx_RHBBS),
        SHEET_FIELD(tx_MOpe1),
        SHEET_FIELD(tx_MOpe2),
        SHEET_FIELD(tx_STXEq),
        SHEET_FIELD(tx_SPowe),
        SHEET_FIELD(tx_SRXEq),
        SHEET_FIELD(tx_SAnte),
        SHEET_FIELD(tx_SAntH_ground),
        SHEET_FIELD(tx_SAntH_see),
        RESULT_FIELD(tx_CQSOs),
        RESULT_FIELD(tx_CQSOMul),
        RESULT_FIELD(tx_CQSOP),
        RESULT_FIELD(tx_CWWLs),
        RESULT_FIELD(tx_CWWLBo),
        RESULT_FIELD(tx_CWWLMul),
        RESULT_FIELD(tx_CWWLB),
        RESULT_FIELD(tx_CExcs),
        RESULT_FIELD(tx_CExcsBo),
        RESULT_FIELD(tx_CExcsMul),
        RESULT_FIELD(tx_CExcB),
        RESULT_FIELD(tx_CDXCs),
        RESULT_FIELD(tx_CDXCBo),
        RESULT_FIELD(tx_CDXCMul),
        RESULT_FIELD(tx_CDXCB),
        RESULT_FIELD(tx_CToSc),
        RESULT_FIELD(tx_CODXC),
        RESULT_FIELD(tx_CODXWWL),
        RESULT_FIELD(tx_CODXDis),
        RESULT_FIELD(tx_QSORecords),
        // Calling panel: the CW message being typed, upper case and without accents as Morse has it.
        {"hivas_cw_text", [](Session& s) -> Text& { return s.keyer.hivas_cw_text; }, false,
         FieldKind{FieldChars::OneLine, FieldCase::UpperFolded}},
        {"usb_valasz_text", [](Session& s) -> Text& { return s.keyer.usb_valasz_text; }, true},
        {"ID_text", [](Session& s) -> Text& { return s.keyer.ID_text; }, true},
    };
    return table;
}

FilteredText bound_text(const Session& s, const TextBinding& b, std::string_view before,
                        std::string_view text) {
    return edit_text(b.kind, before, text, entry_max_length(layout_of(s.contest()), b.control));
}

const std::vector<ComboBinding>& combo_bindings() {
    static const std::vector<ComboBinding> table = {
        {"szabaly_combo", [](Session& s) -> Combo& { return s.szabaly_combo; }},
        {"mod_combo", [](Session& s) -> Combo& { return s.qso.mod_combo; }},
        {"sex_combo", [](Session& s) -> Combo& { return s.qso.sex_combo; }},
        {"kapott_sex_combo", [](Session& s) -> Combo& { return s.qso.kapott_sex_combo; }},
        {"ido_eltolas_combo", [](Session& s) -> Combo& { return s.ido_eltolas_combo; }},
        {"auto_mentes_combo", [](Session& s) -> Combo& { return s.auto_mentes_combo; }},
        {"formatum_combo", [](Session& s) -> Combo& { return s.formatum_combo; }},
        {"sort_combo", [](Session& s) -> Combo& { return s.sort_combo; }},
        {"vegyes_combo", [](Session& s) -> Combo& { return s.vegyes_combo; }},
        {"wpm_combo", [](Session& s) -> Combo& { return s.keyer.settings.wpm_combo; }},
        {"ismetles_combo", [](Session& s) -> Combo& { return s.keyer.settings.ismetles_combo; }},
        {"kesleltetes_combo", [](Session& s) -> Combo& { return s.keyer.settings.kesleltetes_combo; }},
        {"billentyuzo_port_combo",
         [](Session& s) -> Combo& { return s.keyer.settings.billentyuzo_port_combo; }},
        {"ROGER_combo", [](Session& s) -> Combo& { return s.keyer.settings.ROGER_combo; }},
        {"erosito_combo_0", [](Session& s) -> Combo& { return s.keyer.settings.erosito_combo[0]; }},
        {"erosito_combo_1", [](Session& s) -> Combo& { return s.keyer.settings.erosito_combo[1]; }},
        {"erosito_combo_2", [](Session& s) -> Combo& { return s.keyer.settings.erosito_combo[2]; }},
        SHEET_COMBO(hadx_operator_combo),
        SHEET_COMBO(hadx_band_combo),
        SHEET_COMBO(hadx_power_combo),
        SHEET_COMBO(hadx_mod_combo),
        SHEET_COMBO(hadx_receiver_combo),
        SHEET_COMBO(hadx_station_combo),
        SHEET_COMBO(cqww_kategoria_combo),
        SHEET_COMBO(cqww_band_combo),
        SHEET_COMBO(cqww_power_combo),
        SHEET_COMBO(haqrp_kategoria_combo),
        SHEET_COMBO(rhob_kategoria_combo),
        {"edi_wwl_combo", [](Session& s) -> Combo& { return s.edi_wwl_combo; }},
        {"edi_dxcc_combo", [](Session& s) -> Combo& { return s.edi_dxcc_combo; }},
        {"edi_exchange_combo", [](Session& s) -> Combo& { return s.edi_exchange_combo; }},
    };
    return table;
}

const std::vector<LabelBinding>& label_bindings() {
    static const std::vector<LabelBinding> table = {
        {"qth_label", [](const Session& s) -> const Text& { return s.qth_label; }},
        {"qso_label", [](const Session& s) -> const Text& { return s.qso_label; }},
        {"vegyes_label", [](const Session& s) -> const Text& { return s.vegyes_label; }},
        {"adif_statisztika_label", [](const Session& s) -> const Text& { return s.adif_statisztika_label; }},
    };
    return table;
}

const std::vector<ListBinding>& list_bindings() {
    static const std::vector<ListBinding> table = {
        // First: a keystroke in the callsign field reloads this one alone.
        {"talalt_log_lista", [](Session& s) -> ListBox& { return s.talalt_log_lista; }},
        {"backup_lista", [](Session& s) -> ListBox& { return s.backup_lista; }},
        {"vegyes_lista_0", [](Session& s) -> ListBox& { return s.vegyes_lista[0]; }},
        {"vegyes_lista_1", [](Session& s) -> ListBox& { return s.vegyes_lista[1]; }},
        {"qso_lista", [](Session& s) -> ListBox& { return s.qso_lista; }},
        {"adif_qso_lista", [](Session& s) -> ListBox& { return s.adif_qso_lista; }},
        {"hivas_lista_0", [](Session& s) -> ListBox& { return s.keyer.hivas_lista[0]; }},
        {"hivas_lista_1", [](Session& s) -> ListBox& { return s.keyer.hivas_lista[1]; }},
        {"EPROM_lista", [](Session& s) -> ListBox& { return s.keyer.EPROM_lista; }},
    };
    return table;
}

const std::vector<CheckBinding>& check_bindings() {
    static const std::vector<CheckBinding> table = {
        {"real_time_check", [](Session& s) -> bool& { return s.real_time_check; }},
        {"automata_check", [](Session& s) -> bool& { return s.automata_check; }},
        {"auto_torles_check", [](Session& s) -> bool& { return s.auto_torles_check; }},
        {"bal_kez_check", [](Session& s) -> bool& { return s.keyer.settings.bal_kez_check; }},
        {"monitor_check", [](Session& s) -> bool& { return s.keyer.settings.monitor_check; }},
        {"elkey_check", [](Session& s) -> bool& { return s.keyer.settings.elkey_check; }},
    };
    return table;
}

}  // namespace loxar
