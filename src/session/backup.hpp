// The per-band backup file: one record per added or overwritten QSO, and the log rebuilt from it.
#pragma once

#include <filesystem>
#include <string_view>

#include "session/session.hpp"

namespace loxar {

inline constexpr const char* kBackupAdded = "HOZZAADAS  ";
inline constexpr const char* kBackupOverwritten = "FELULIRAS  ";

// BACKUP/backup_<trimmed band>.dat
std::filesystem::path backup_file_path(const Session& s);
// Appends `kind` + line + CR LF as one write; false when it could not be written.
[[nodiscard]] bool write_backup_record(Session& s, const char* kind, const Text& line);
// The log rebuilt from backup records (pure): at most a log's worth of lines, each cut as a
// log file's lines are; `left_out` counts the records that found no room.
struct BackupRebuild {
    std::vector<Text> log;
    std::size_t left_out = 0;
};
BackupRebuild rebuild_from_backup(std::string_view file_bytes);
// Rebuilds backup_lista from the current band's backup file.
void backup_helyreallitas(Session& s);
// Deletes the current band's backup file.
void egy_backup_file_torles(Session& s);
// 0 "Visszamásolás" (replaces the log), 1 "Hozzáfűzés az aktuális LOG-hoz" (appends).
void backup_cmd_Click(Session& s, int index);

}  // namespace loxar
