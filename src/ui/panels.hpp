// The work panels of the main window; each is a page of the panel stack.
#pragma once

#include <QWidget>

namespace loxar::ui {

QWidget* build_log_panel(QWidget* parent);        // log_keret
QWidget* build_calling_panel(QWidget* parent);    // hivas_tabok with log_hivas_keret
QWidget* build_rig_page(QWidget* parent);         // rig_lap, the "Rig" tab of hivas_tabok
QWidget* build_adatlap_panel(QWidget* parent);    // adatlap_keret
QWidget* build_aprosag_panel(QWidget* parent);    // aprosag_keret
QWidget* build_help_panel(QWidget* parent);       // help_keret
QWidget* build_osszesito_panel(QWidget* parent);  // osszesito_keret
QWidget* build_vegyes_panel(QWidget* parent);     // vegyes_keret

}  // namespace loxar::ui
