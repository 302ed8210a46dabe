// Crash recovery from the working and backup files, judged by their times of writing.
#include "core/recovery.hpp"

#include <set>

#include "core/backup.hpp"
#include "core/file_io.hpp"
#include "core/log_file.hpp"
#include "core/numbering.hpp"
#include "core/qso_entry.hpp"
#include "core/subsystems.hpp"

namespace loxar {

namespace fs = std::filesystem;

namespace {

using Time = fs::file_time_type;

Time written_at(const fs::path& p) {
    std::error_code ec;
    const Time t = fs::last_write_time(p, ec);
    return ec ? Time::min() : t;
}

Text file_name(const fs::path& p) { return text_path(p.filename()); }

}  // namespace

Text qso_identity(const Text& line) { return col(line, 1, 40); }

std::vector<Text> unsaved_backup_tail(const std::vector<Text>& backup, const std::vector<Text>& log) {
    std::set<Text> logged;
    for (const Text& l : log) logged.insert(qso_identity(l));
    std::size_t first = backup.size();
    while (first > 0 && !logged.contains(qso_identity(backup[first - 1]))) --first;
    return {backup.begin() + static_cast<std::ptrdiff_t>(first), backup.end()};
}

Text crash_recovery(Session& s) {
    Time newest = written_at(s.paths.tmp_log());
    Text told;

    fs::path save;
    for (const fs::path& p : matching_files(s.paths.system_dir, "tmp_log_", ".save")) {
        if (written_at(p) > newest) {
            newest = written_at(p);
            save = p;
        }
    }
    if (!save.empty()) {
        const LogFileRead file = read_log_file(save);
        const std::size_t count = file.usable() ? file.qso_count() : 0;
        if (count > 0) {
            s.log_lista.clear();
            log_beolvasas(s, file);
            worked_countries_from_log(s);
            told += std::to_string(count) + hu(u8" QSO a(z) ") + file_name(save) + hu(u8" file-ból");
        }
    }

    // A kill between a QSO's backup record and its working save leaves that QSO in the backup only.
    const fs::path backup = backup_file_path(s);
    if (written_at(backup) > newest) {
        if (std::optional<Text> bytes = read_file(backup)) {
            // A record cut off by a power cut has no line end: it is no QSO to restore.
            bytes->erase(bytes->rfind('\n') == Text::npos ? 0 : bytes->rfind('\n') + 1);
            const std::vector<Text> tail = unsaved_backup_tail(rebuild_from_backup(*bytes).log, s.log_lista.items());
            for (const Text& line : tail) s.log_lista.add(line);
            if (!tail.empty()) {
                sorszamozas(s);
                worked_countries_from_log(s);
                ossz_pontszam_szamolas(s);
                if (!told.empty()) told += kCrLf;
                told += std::to_string(tail.size()) + hu(u8" QSO a(z) ") + file_name(backup) + hu(u8" file-ból");
            }
        }
    }
    if (told.empty()) return {};

    kovetkezo_sorszam_rutin(s);
    s.log_changed = 1;
    if (!s.log_lista.empty()) s.log_lista.select_only(s.log_lista.size() - 1);
    log_mentes(s, band_save_path(s));
    s.ui().refresh(Aspect::All);
    return hu(u8"A program legutóbb nem a STOP gombbal állt le. Visszaállított LOG:") + kCrLf + told;
}

std::size_t unsaved_qso_count(const Session& s) {
    std::set<Text> unsaved;
    auto add_lines = [&](const std::vector<Text>& lines) {
        for (const Text& l : lines) {
            if (!trim(l).empty()) unsaved.insert(qso_identity(l));
        }
    };
    add_lines(s.log_lista.items());
    std::vector<fs::path> working = matching_files(s.paths.system_dir, "tmp_log_", ".save");
    for (const fs::path& p : matching_files(s.paths.system_dir, "tmp_log", ".dat")) working.push_back(p);
    for (const fs::path& p : working) add_lines(read_log_file(p).qso_lines());
    for (const fs::path& p : matching_files(s.paths.backup_dir, "", "")) {
        if (const std::optional<Text> bytes = read_file(p)) add_lines(rebuild_from_backup(*bytes).log);
    }
    for (const fs::path& p : matching_files(s.paths.log_dir, "", ".log")) {
        for (const Text& l : read_log_file(p).qso_lines()) unsaved.erase(qso_identity(l));
        if (unsaved.empty()) break;
    }
    return unsaved.size();
}

}  // namespace loxar
