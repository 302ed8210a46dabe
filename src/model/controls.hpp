// The window's controls that the session reads or sets, declared once: the identifier the
// procedures use, the object name the widget carries, and the kind of widget it is. The window
// finds each widget by its name when it builds and goes by the identifier afterwards.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace loxar {

enum class ControlKind { LineEdit, TextBox, Combo, Check, Radio, List, Button, Label, Frame };

// X(name, kind): the name is the identifier and, spelt out, the widget's object name.
// clang-format off
#define LOXAR_CONTROLS(X) \
    X(band_text, LineEdit) \
    X(cwdaemon_text, LineEdit) \
    X(edit_sorszam_text, LineEdit) \
    X(exch_text, LineEdit) \
    X(frekvencia_text, LineEdit) \
    X(hivas_cw_text, LineEdit) \
    X(hivojel_2_text, LineEdit) \
    X(hivojel_text, LineEdit) \
    X(ID_text, LineEdit) \
    X(iranyszog_text, LineEdit) \
    X(kapott_hivojel_text, LineEdit) \
    X(kapott_nev_text, LineEdit) \
    X(kapott_QRA_text, LineEdit) \
    X(kapott_riport_text, LineEdit) \
    X(kapott_sorszam_text, LineEdit) \
    X(kereses_text, LineEdit) \
    X(kezelo_text, LineEdit) \
    X(kuldott_nev_text, LineEdit) \
    X(kuldott_riport_text, LineEdit) \
    X(kuldott_sorszam_text, LineEdit) \
    X(lista_exch_text, LineEdit) \
    X(lista_hadxc_text, LineEdit) \
    X(lista_hivojel_text, LineEdit) \
    X(lista_nev_text, LineEdit) \
    X(lista_qra_text_0, LineEdit) \
    X(lista_qra_text_1, LineEdit) \
    X(lista_qra_text_2, LineEdit) \
    X(lista_qra_text_3, LineEdit) \
    X(lista_qth_text, LineEdit) \
    X(log_ido, LineEdit) \
    X(log_sorszam_text, LineEdit) \
    X(ossz_pontszam_text, LineEdit) \
    X(pontos_ido, LineEdit) \
    X(pontszam_text, LineEdit) \
    X(QRA_text, LineEdit) \
    X(qso1_test, LineEdit) \
    X(qso2_test, LineEdit) \
    X(qth_text, LineEdit) \
    X(rig_eszkoz_text, LineEdit) \
    X(rig_lekerdezes_text, LineEdit) \
    X(rig_rigctld_text, LineEdit) \
    X(szorzo_text, LineEdit) \
    X(tavolsag_text, LineEdit) \
    X(tx_CDXCB, LineEdit) \
    X(tx_CDXCBo, LineEdit) \
    X(tx_CDXCMul, LineEdit) \
    X(tx_CDXCs, LineEdit) \
    X(tx_CExcB, LineEdit) \
    X(tx_CExcs, LineEdit) \
    X(tx_CExcsBo, LineEdit) \
    X(tx_CExcsMul, LineEdit) \
    X(tx_CODXC, LineEdit) \
    X(tx_CODXDis, LineEdit) \
    X(tx_CODXWWL, LineEdit) \
    X(tx_CQSOMul, LineEdit) \
    X(tx_CQSOP, LineEdit) \
    X(tx_CQSOs, LineEdit) \
    X(tx_CToSc, LineEdit) \
    X(tx_CWWLB, LineEdit) \
    X(tx_CWWLBo, LineEdit) \
    X(tx_CWWLMul, LineEdit) \
    X(tx_CWWLs, LineEdit) \
    X(tx_MOpe1, LineEdit) \
    X(tx_MOpe2, LineEdit) \
    X(tx_PAdr1, LineEdit) \
    X(tx_PAdr2, LineEdit) \
    X(tx_PBand, LineEdit) \
    X(tx_PCall, LineEdit) \
    X(tx_PClub, LineEdit) \
    X(tx_PExch, LineEdit) \
    X(tx_PSect, LineEdit) \
    X(tx_PWWLo, LineEdit) \
    X(tx_QSORecords, LineEdit) \
    X(tx_RAdr1, LineEdit) \
    X(tx_RAdr2, LineEdit) \
    X(tx_RCall, LineEdit) \
    X(tx_RCity, LineEdit) \
    X(tx_RCoun, LineEdit) \
    X(tx_RHBBS, LineEdit) \
    X(tx_RName, LineEdit) \
    X(tx_RPhon, LineEdit) \
    X(tx_RPoCo, LineEdit) \
    X(tx_SAnte, LineEdit) \
    X(tx_SAntH_ground, LineEdit) \
    X(tx_SAntH_see, LineEdit) \
    X(tx_SPowe, LineEdit) \
    X(tx_SRXEq, LineEdit) \
    X(tx_STXEq, LineEdit) \
    X(tx_TDate_1, LineEdit) \
    X(tx_TDate_2, LineEdit) \
    X(tx_TName, LineEdit) \
    X(usb_valasz_text, LineEdit) \
    X(verseny_neve_text, LineEdit) \
    X(edi_riport_text, TextBox) \
    X(help_text, TextBox) \
    X(megjegyzes_text, TextBox) \
    X(tx_Remark, TextBox) \
    X(auto_mentes_combo, Combo) \
    X(billentyuzo_port_combo, Combo) \
    X(cqww_band_combo, Combo) \
    X(cqww_kategoria_combo, Combo) \
    X(cqww_power_combo, Combo) \
    X(cw_kimenet_combo, Combo) \
    X(edi_dxcc_combo, Combo) \
    X(edi_exchange_combo, Combo) \
    X(edi_wwl_combo, Combo) \
    X(erosito_combo_0, Combo) \
    X(erosito_combo_1, Combo) \
    X(erosito_combo_2, Combo) \
    X(formatum_combo, Combo) \
    X(hadx_band_combo, Combo) \
    X(hadx_mod_combo, Combo) \
    X(hadx_operator_combo, Combo) \
    X(hadx_power_combo, Combo) \
    X(hadx_receiver_combo, Combo) \
    X(hadx_station_combo, Combo) \
    X(haqrp_kategoria_combo, Combo) \
    X(ido_eltolas_combo, Combo) \
    X(ismetles_combo, Combo) \
    X(kapott_sex_combo, Combo) \
    X(kesleltetes_combo, Combo) \
    X(mod_combo, Combo) \
    X(nmark_combo, Combo) \
    X(ptt_combo, Combo) \
    X(rhob_kategoria_combo, Combo) \
    X(rig_kapcsolat_combo, Combo) \
    X(rig_modell_combo, Combo) \
    X(rig_sebesseg_combo, Combo) \
    X(ROGER_combo, Combo) \
    X(sex_combo, Combo) \
    X(szabaly_combo, Combo) \
    X(vegyes_combo, Combo) \
    X(wpm_combo, Combo) \
    X(auto_torles_check, Check) \
    X(automata_check, Check) \
    X(bal_kez_check, Check) \
    X(elkey_check, Check) \
    X(ismetles_check, Check) \
    X(monitor_check, Check) \
    X(real_time_check, Check) \
    X(edi_valaszto_0, Radio) \
    X(edi_valaszto_1, Radio) \
    X(hivas_valaszto_0, Radio) \
    X(hivas_valaszto_1, Radio) \
    X(vegyes_valaszto_0, Radio) \
    X(vegyes_valaszto_1, Radio) \
    X(adif_qso_lista, List) \
    X(backup_lista, List) \
    X(EPROM_lista, List) \
    X(hivas_lista_0, List) \
    X(hivas_lista_1, List) \
    X(hivojel_qra_lista, List) \
    X(log_lista, List) \
    X(osszesito_lista, List) \
    X(qra_lista, List) \
    X(qra_sort_lista, List) \
    X(qso_lista, List) \
    X(riport_hibak_lista, List) \
    X(talalt_log_lista, List) \
    X(vegyes_lista_0, List) \
    X(vegyes_lista_1, List) \
    X(csere_cmd, Button) \
    X(frekvencia_cmd, Button) \
    X(hivas_cmd, Button) \
    X(hivojel_2_cmd, Button) \
    X(iranyszog_cmd, Button) \
    X(kapoo_nev_cmd, Button) \
    X(kapott_cmd, Button) \
    X(kapott_hivojel_cmd, Button) \
    X(kapott_QRA_cmd, Button) \
    X(kapott_sorszam_cmd, Button) \
    X(kuldott_nev_cmd, Button) \
    X(kuldott_riport_cmd, Button) \
    X(kuldott_sorszam_cmd, Button) \
    X(OM_cmd, Button) \
    X(rig_alkalmaz_cmd, Button) \
    X(tavolsag_szamolo_cmd, Button) \
    X(vegyes_cmd_0, Button) \
    X(vegyes_cmd_1, Button) \
    X(vegyes_cmd_2, Button) \
    X(vegyes_cmd_3, Button) \
    X(vegyes_cmd_4, Button) \
    X(YL_cmd, Button) \
    X(adif_statisztika_label, Label) \
    X(billentyuzo_lampa, Label) \
    X(ido_eltolas_label, Label) \
    X(idopont_label, Label) \
    X(kerdezo_label, Label) \
    X(ossz_pontszam_label, Label) \
    X(pontszam_label, Label) \
    X(qso_label, Label) \
    X(pont_magyarazat_label, Label) \
    X(qth_label, Label) \
    X(rig_allapot_label, Label) \
    X(rig_lampa, Label) \
    X(tavolsag_label, Label) \
    X(usb_valasz_label, Label) \
    X(valtozas_jelzo, Label) \
    X(vegyes_label, Label) \
    X(wpm_label, Label) \
    X(yl_label, Label) \
    X(adif_result_keret, Frame) \
    X(edi_result_keret, Frame) \
    X(log_hivas_keret, Frame) \
    X(log_menu_keret, Frame) \
    X(riport_keret, Frame) \
    X(vegyes_keret, Frame)
// clang-format on

enum class Control : unsigned short {
#define LOXAR_CONTROL_ID(name, kind) name,
    LOXAR_CONTROLS(LOXAR_CONTROL_ID)
#undef LOXAR_CONTROL_ID
};

inline constexpr std::size_t kControlCount = 0
#define LOXAR_CONTROL_ONE(name, kind) +1
    LOXAR_CONTROLS(LOXAR_CONTROL_ONE)
#undef LOXAR_CONTROL_ONE
    ;

constexpr std::size_t index_of(Control c) {
    return static_cast<std::size_t>(c);
}

// The widget's object name.
std::string_view control_name(Control c);
ControlKind control_kind(Control c);
// The control a widget of this object name is; none for a widget the session never names.
std::optional<Control> find_control(std::string_view name);

}  // namespace loxar
