// The log panel's file commands: automatic save, save, load and merge.
#pragma once

#include <filesystem>
#include <optional>

#include "session/session.hpp"

namespace loxar {

// The file of the automatic save, inside LOG whatever the contest name holds; nothing when the
// auto-save selector is on "Nincs automatikus mentés".
std::optional<std::filesystem::path> auto_save_path(const Session& s);
// The automatic save after every change of the log, by the auto-save selector.
void auto_log_mentes(Session& s);
// The auto-save selector was changed by the operator.
void auto_mentes_combo_Click(Session& s);
void save_log_cmd_Click(Session& s);
void load_log_cmd_Click(Session& s);
void log_osszefuzes_cmd_Click(Session& s);

}  // namespace loxar
