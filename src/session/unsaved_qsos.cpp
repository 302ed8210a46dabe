// QSOs no file of LOG holds, and the warning that tells the operator of them.
#include "session/unsaved_qsos.hpp"

#include <set>

#include "model/file_io.hpp"
#include "session/backup.hpp"
#include "session/log_file.hpp"
#include "session/recovery.hpp"

namespace loxar {

namespace {

namespace fs = std::filesystem;

void add_identities(std::set<Text>& to, const std::vector<Text>& lines) {
    for (const Text& line : lines) {
        if (!trim(line).empty()) to.insert(qso_identity(line));
    }
}

// How many of `qsos` no file of LOG holds.
std::size_t not_in_log_files(const Session& s, std::set<Text> qsos) {
    for (const fs::path& p : matching_files(s.paths.log_dir, "", ".log")) {
        if (qsos.empty()) break;
        for (const Text& line : read_log_file(p).qso_lines()) qsos.erase(qso_identity(line));
    }
    return qsos.size();
}

}  // namespace

std::size_t unsaved_qso_count(const Session& s) {
    std::set<Text> unsaved;
    add_identities(unsaved, s.log_lista.items());
    std::vector<fs::path> working = matching_files(s.paths.system_dir, "tmp_log_", ".save");
    for (const fs::path& p : matching_files(s.paths.system_dir, "tmp_log", ".dat")) working.push_back(p);
    for (const fs::path& p : working) add_identities(unsaved, read_log_file(p).qso_lines());
    for (const fs::path& p : matching_files(s.paths.backup_dir, "", "")) {
        if (const std::optional<Text> bytes = read_file(p))
            add_identities(unsaved, rebuild_from_backup(*bytes).log);
    }
    return not_in_log_files(s, std::move(unsaved));
}

std::size_t unsaved_qsos_replaced_by(const Session& s, const std::vector<Text>& incoming) {
    std::set<Text> leaving;
    add_identities(leaving, s.log_lista.items());
    for (const Text& line : incoming) leaving.erase(qso_identity(line));
    return not_in_log_files(s, std::move(leaving));
}

Text unsaved_qso_warning(std::size_t count, const Text& consequence) {
    if (count == 0) return {};
    return kCrLf + kCrLf + hu(u8"Figyelem: ") + std::to_string(count) +
           hu(u8" QSO nincs elmentve a LOG mappába, csak a munka- és backup file-okban van meg.") + kCrLf +
           consequence;
}

}  // namespace loxar
