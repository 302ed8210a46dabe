// Crash recovery from the working and backup files: the most complete log that is no older than
// the last one written whole, and the backup's QSOs it lacks.
#include "session/recovery.hpp"

#include <optional>
#include <set>
#include <vector>

#include "model/file_io.hpp"
#include "session/backup.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/qso_entry.hpp"
#include "session/scoring.hpp"

namespace loxar {

namespace fs = std::filesystem;

namespace {

using Time = fs::file_time_type;

Time written_at(const fs::path& p) {
    std::error_code ec;
    const Time t = fs::last_write_time(p, ec);
    return ec ? Time::min() : t;
}

Text file_name(const fs::path& p) {
    return text_path(p.filename());
}

Text qsos_from(std::size_t count, const fs::path& p) {
    return std::to_string(count) + hu(u8" QSO a(z) ") + file_name(p) + hu(u8" file-ból");
}

// A working log as the recovery weighs it. `file` ends with "End" whatever the file had, so that
// it loads as a whole log; `whole` tells that the file itself reached its "End". A file cut off
// anywhere was damaged after it was written: its time says nothing about its log.
struct Source {
    fs::path path;
    Time time;
    LogFileRead file;
    bool whole = false;
};

std::optional<Source> read_source(const fs::path& p) {
    const std::optional<Text> bytes = read_file(p);
    if (!bytes) return std::nullopt;
    Source src{p, written_at(p), parse_log_file(*bytes), false};
    LogFileRead& f = src.file;
    if (!f.usable()) return std::nullopt;
    src.whole = f.lines.back() == "End";
    if (src.whole) return src;
    // A record cut off without its line end is no QSO.
    if (!bytes->ends_with('\n')) {
        if (f.left_out > 0) {
            --f.left_out;
        } else if (f.lines.size() > 2) {
            f.lines.pop_back();
        }
    }
    f.lines.emplace_back("End");
    return src;
}

// The newest whole file holds the log as it was last written: fewer QSOs there than in an older
// file are deletions. A damaged file is taken only when it still holds more QSOs than that one.
const Source* most_complete(const std::vector<Source>& sources, const Source* trusted) {
    const Source* damaged = nullptr;
    for (const Source& src : sources) {
        if (src.whole) continue;
        const std::size_t n = src.file.qso_count();
        if (!damaged || n > damaged->file.qso_count() ||
            (n == damaged->file.qso_count() && src.time > damaged->time)) {
            damaged = &src;
        }
    }
    if (!damaged || (trusted && damaged->file.qso_count() <= trusted->file.qso_count())) {
        return trusted;
    }
    return damaged;
}

}  // namespace

Text qso_identity(const Text& line) {
    return col(line, 1, 40);
}

std::vector<Text> unsaved_backup_tail(const std::vector<Text>& backup, const std::vector<Text>& log) {
    std::set<Text> logged;
    for (const Text& l : log) logged.insert(qso_identity(l));
    std::size_t first = backup.size();
    while (first > 0 && !logged.contains(qso_identity(backup[first - 1]))) --first;
    return {backup.begin() + static_cast<std::ptrdiff_t>(first), backup.end()};
}

Text crash_recovery(Session& s) {
    const fs::path tmp_log = s.paths.tmp_log();
    std::vector<Source> sources;
    if (std::optional<Source> src = read_source(tmp_log)) sources.push_back(std::move(*src));
    // A working save older than the working log was written before the last STOP.
    const Time stopped_at = written_at(tmp_log);
    for (const fs::path& p : matching_files(s.paths.system_dir, "tmp_log_", ".save")) {
        if (written_at(p) <= stopped_at) continue;
        if (std::optional<Source> src = read_source(p)) sources.push_back(std::move(*src));
    }
    const Source* trusted = nullptr;
    for (const Source& src : sources) {
        if (src.whole && (!trusted || src.time > trusted->time)) trusted = &src;
    }
    const Source* base = most_complete(sources, trusted);

    // tmp_log.dat whole and nothing newer: the last run ended with STOP and its log is already in.
    const bool as_read = base && base->whole && base->path == tmp_log;
    const bool restored = base && !(as_read && sources.size() == 1);
    if (restored && !as_read) {
        s.log_lista.clear();
        log_beolvasas(s, base->file);
        worked_countries_from_log(s);
    }

    // A kill between a QSO's backup record and its working save leaves that QSO in the backup only.
    // A backup older than the newest whole file adds nothing: a QSO deleted since would come back.
    std::vector<Text> tail;
    const fs::path backup = backup_file_path(s);
    if (!trusted || written_at(backup) > trusted->time) {
        if (std::optional<Text> bytes = read_file(backup)) {
            // A record cut off by a power cut has no line end: it is no QSO to restore.
            bytes->erase(bytes->rfind('\n') == Text::npos ? 0 : bytes->rfind('\n') + 1);
            tail = unsaved_backup_tail(rebuild_from_backup(*bytes).log, s.log_lista.items());
        }
    }
    if (!restored && tail.empty()) return {};

    Text told;
    if (base && base->file.qso_count() > 0) told += qsos_from(base->file.qso_count(), base->path);
    if (!tail.empty()) {
        for (const Text& line : tail) s.log_lista.add(line);
        sorszamozas(s);
        worked_countries_from_log(s);
        ossz_pontszam_szamolas(s);
        if (!told.empty()) told += kCrLf;
        told += qsos_from(tail.size(), backup);
    }
    if (told.empty()) return {};  // nothing but files without a whole QSO

    kovetkezo_sorszam_rutin(s);
    s.log_changed = true;
    if (!s.log_lista.empty()) s.log_lista.select_only(s.log_lista.size() - 1);
    save_band_log(s);
    s.ui().refresh(Aspect::All);
    return hu(u8"A program legutóbb nem a STOP gombbal állt le. Visszaállított LOG:") + kCrLf + told;
}

}  // namespace loxar
