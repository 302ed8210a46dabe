// The data-sheet panel: its buttons, input filters, date masks and remark wired to the session.
#pragma once

#include <QWidget>
#include <functional>

#include "session/session.hpp"

namespace loxar::ui {

// Connects the panel built by build_adatlap_panel (panels.hpp) to the sheet procedures: the
// "Törlés", save, load and "Radir" buttons, the per-field input filters, the date fields'
// shown text and the remark. `refresh_window` brings the window's widgets in step after a
// button. Wiring the same panel again does nothing.
void wire_data_sheet_panel(QWidget* panel, Session& s, Ui& ui, std::function<void()> refresh_window);

}  // namespace loxar::ui
