// The log panel's file commands: automatic save, save, load and merge.
#pragma once

#include "core/session.hpp"

namespace loxar {

// The automatic save after every change of the log, by the auto-save selector.
void auto_log_mentes(Session& s);
// The auto-save selector was changed by the operator.
void auto_mentes_combo_Click(Session& s);
void save_log_cmd_Click(Session& s);
void load_log_cmd_Click(Session& s);
void log_osszefuzes_cmd_Click(Session& s);

}  // namespace loxar
