// The report panel: format, result calculation, the EDI and YL-OM result views and the report text.
#pragma once

#include <QWidget>
#include <functional>

#include "session/session.hpp"

namespace loxar::ui {

// The panel (jegyzokonyv_keret) with its result frames and the report frame.
QWidget* build_jegyzokonyv_panel(QWidget* parent);

// Connects the panel's buttons, the results/report option and its two multi-line texts (the
// report and the EDI remark) to the session. `refresh_window` brings the window's widgets in
// step after an action. Wiring the same panel again does nothing.
void wire_report_panel(QWidget* panel, Session& s, std::function<void()> refresh_window);

}  // namespace loxar::ui
