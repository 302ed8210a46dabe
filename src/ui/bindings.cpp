// The binding tables: control name to session field.
#include "ui/bindings.hpp"

#include "reports/data_sheet.hpp"

namespace loxar {

namespace {

FieldKind sheet_kind(Control control) {
    const SheetField* f = find_sheet_field(control_name(control));
    return f ? f->kind : FieldKind{};
}

// The EDI claim lines join the result fields by ";".
constexpr FieldKind kResult{FieldChars::Record, FieldCase::Keep};
// What goes into a settings file's line as typed: one line, any case.
constexpr FieldKind kAsTyped{FieldChars::OneLine, FieldCase::Keep};

}  // namespace

#define QSO_FIELD(name)                                                       \
    {                                                                         \
        Control::name, [](Session& s) -> Text& { return s.qso.name; }, false, \
            entry_field_kind(Control::name)                                   \
    }
#define STATION_FIELD(name)                                                       \
    {                                                                             \
        Control::name, [](Session& s) -> Text& { return s.station.name; }, false, \
            entry_field_kind(Control::name)                                       \
    }
#define SHEET_FIELD(name)                                                                                 \
    {                                                                                                     \
        Control::name, [](Session& s) -> Text& { return s.sheet.name; }, false, sheet_kind(Control::name) \
    }
#define RESULT_FIELD(name)                                                              \
    {                                                                                   \
        Control::name, [](Session& s) -> Text& { return s.sheet.name; }, false, kResult \
    }
#define SHEET_COMBO(name)                                                \
    {                                                                    \
        Control::name, [](Session& s) -> Combo& { return s.sheet.name; } \
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
        {Control::log_sorszam_text, [](Session& s) -> Text& { return s.qso.log_sorszam_text; }, true},
        {Control::edit_sorszam_text, [](Session& s) -> Text& { return s.qso.edit_sorszam_text; }, true},
        {Control::band_text, [](Session& s) -> Text& { return s.qso.band_text; }, true},
        QSO_FIELD(frekvencia_text),
        QSO_FIELD(hivojel_2_text),
        QSO_FIELD(kezelo_text),
        QSO_FIELD(qth_text),
        STATION_FIELD(hivojel_text),
        STATION_FIELD(QRA_text),
        STATION_FIELD(exch_text),
        STATION_FIELD(verseny_neve_text),
        {Control::szorzo_text, [](Session& s) -> Text& { return s.szorzo_text; }, true},
        {Control::ossz_pontszam_text, [](Session& s) -> Text& { return s.ossz_pontszam_text; }, true},
        {Control::pontos_ido, [](Session& s) -> Text& { return s.pontos_ido; }, true},
        {Control::iranyszog_text, [](Session& s) -> Text& { return s.iranyszog_text; }},
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
        {Control::hivas_cw_text, [](Session& s) -> Text& { return s.keyer.hivas_cw_text; }, false,
         FieldKind{FieldChars::OneLine, FieldCase::UpperFolded}},
        {Control::usb_valasz_text, [](Session& s) -> Text& { return s.keyer.usb_valasz_text; }, true},
        {Control::ID_text, [](Session& s) -> Text& { return s.keyer.ID_text; }, true},
        // The "Rig" tab: device paths and addresses are taken as typed.
        {Control::rig_eszkoz_text, [](Session& s) -> Text& { return s.rig.form.rig_eszkoz_text; }, false,
         kAsTyped},
        {Control::rig_rigctld_text, [](Session& s) -> Text& { return s.rig.form.rig_rigctld_text; }, false,
         kAsTyped},
        {Control::rig_lekerdezes_text, [](Session& s) -> Text& { return s.rig.form.rig_lekerdezes_text; },
         false, kAsTyped},
        {Control::cwdaemon_text, [](Session& s) -> Text& { return s.rig.form.cwdaemon_text; }, false,
         kAsTyped},
    };
    return table;
}

FilteredText bound_text(const Session& s, const TextBinding& b, std::string_view before,
                        std::string_view text) {
    return edit_text(b.kind, before, text, entry_max_length(layout_of(s.contest()), b.control));
}

const std::vector<ComboBinding>& combo_bindings() {
    static const std::vector<ComboBinding> table = {
        {Control::szabaly_combo, [](Session& s) -> Combo& { return s.szabaly_combo; }},
        {Control::mod_combo, [](Session& s) -> Combo& { return s.qso.mod_combo; }},
        {Control::rig_kapcsolat_combo, [](Session& s) -> Combo& { return s.rig.form.rig_kapcsolat_combo; }},
        {Control::rig_modell_combo, [](Session& s) -> Combo& { return s.rig.form.rig_modell_combo; }},
        {Control::rig_sebesseg_combo, [](Session& s) -> Combo& { return s.rig.form.rig_sebesseg_combo; }},
        {Control::cw_kimenet_combo, [](Session& s) -> Combo& { return s.rig.form.cw_kimenet_combo; }},
        {Control::ptt_combo, [](Session& s) -> Combo& { return s.rig.form.ptt_combo; }},
        {Control::sex_combo, [](Session& s) -> Combo& { return s.qso.sex_combo; }},
        {Control::kapott_sex_combo, [](Session& s) -> Combo& { return s.qso.kapott_sex_combo; }},
        {Control::ido_eltolas_combo, [](Session& s) -> Combo& { return s.ido_eltolas_combo; }},
        {Control::auto_mentes_combo, [](Session& s) -> Combo& { return s.auto_mentes_combo; }},
        {Control::formatum_combo, [](Session& s) -> Combo& { return s.formatum_combo; }},
        {Control::vegyes_combo, [](Session& s) -> Combo& { return s.vegyes.vegyes_combo; }},
        {Control::wpm_combo, [](Session& s) -> Combo& { return s.keyer.settings.wpm_combo; }},
        {Control::ismetles_combo, [](Session& s) -> Combo& { return s.keyer.settings.ismetles_combo; }},
        {Control::kesleltetes_combo, [](Session& s) -> Combo& { return s.keyer.settings.kesleltetes_combo; }},
        {Control::billentyuzo_port_combo,
         [](Session& s) -> Combo& { return s.keyer.settings.billentyuzo_port_combo; }},
        {Control::ROGER_combo, [](Session& s) -> Combo& { return s.keyer.settings.ROGER_combo; }},
        {Control::erosito_combo_0, [](Session& s) -> Combo& { return s.keyer.settings.erosito_combo[0]; }},
        {Control::erosito_combo_1, [](Session& s) -> Combo& { return s.keyer.settings.erosito_combo[1]; }},
        {Control::erosito_combo_2, [](Session& s) -> Combo& { return s.keyer.settings.erosito_combo[2]; }},
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
        {Control::edi_wwl_combo, [](Session& s) -> Combo& { return s.score.edi_wwl_combo; }},
        {Control::edi_dxcc_combo, [](Session& s) -> Combo& { return s.score.edi_dxcc_combo; }},
        {Control::edi_exchange_combo, [](Session& s) -> Combo& { return s.score.edi_exchange_combo; }},
    };
    return table;
}

const std::vector<LabelBinding>& label_bindings() {
    static const std::vector<LabelBinding> table = {
        {Control::qth_label, [](const Session& s) -> const Text& { return s.worked.qth_label; }},
        {Control::qso_label, [](const Session& s) -> const Text& { return s.qso_label; }},
        {Control::pont_magyarazat_label,
         [](const Session& s) -> const Text& { return s.score.pont_magyarazat_label; }},
        {Control::vegyes_label, [](const Session& s) -> const Text& { return s.vegyes.vegyes_label; }},
        {Control::adif_statisztika_label,
         [](const Session& s) -> const Text& { return s.report.adif_statisztika_label; }},
    };
    return table;
}

const std::vector<ListBinding>& list_bindings() {
    static const std::vector<ListBinding> table = {
        // First: a keystroke in the callsign field reloads this one alone.
        {Control::talalt_log_lista, [](Session& s) -> ListBox& { return s.worked.talalt_log_lista; }},
        {Control::backup_lista, [](Session& s) -> ListBox& { return s.vegyes.backup_lista; }},
        {Control::vegyes_lista_0, [](Session& s) -> ListBox& { return s.vegyes.vegyes_lista[0]; }},
        {Control::vegyes_lista_1, [](Session& s) -> ListBox& { return s.vegyes.vegyes_lista[1]; }},
        {Control::qso_lista, [](Session& s) -> ListBox& { return s.report.qso_lista; }},
        {Control::adif_qso_lista, [](Session& s) -> ListBox& { return s.report.adif_qso_lista; }},
        {Control::riport_hibak_lista, [](Session& s) -> ListBox& { return s.report.riport_hibak_lista; }},
        {Control::hivas_lista_0, [](Session& s) -> ListBox& { return s.keyer.hivas_lista[0]; }},
        {Control::hivas_lista_1, [](Session& s) -> ListBox& { return s.keyer.hivas_lista[1]; }},
        {Control::EPROM_lista, [](Session& s) -> ListBox& { return s.keyer.EPROM_lista; }},
    };
    return table;
}

const std::vector<CheckBinding>& check_bindings() {
    static const std::vector<CheckBinding> table = {
        {Control::real_time_check, [](Session& s) -> bool& { return s.real_time_check; }},
        {Control::automata_check, [](Session& s) -> bool& { return s.automata_check; }},
        {Control::auto_torles_check, [](Session& s) -> bool& { return s.auto_torles_check; }},
        {Control::bal_kez_check, [](Session& s) -> bool& { return s.keyer.settings.bal_kez_check; }},
        {Control::monitor_check, [](Session& s) -> bool& { return s.keyer.settings.monitor_check; }},
        {Control::elkey_check, [](Session& s) -> bool& { return s.keyer.settings.elkey_check; }},
    };
    return table;
}

}  // namespace loxar
