// Placeholder definitions; replaced by the log file commands.
#include "core/log_commands.hpp"

namespace loxar {

void auto_log_mentes(Session&) {}
void auto_mentes_combo_Click(Session&) {}
void save_log_cmd_Click(Session&) {}
void load_log_cmd_Click(Session&) {}
void log_osszefuzes_cmd_Click(Session&) {}

}  // namespace loxar
