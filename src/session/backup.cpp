// The per-band backup file: records appended one write each, and the log rebuilt from them.
#include "session/backup.hpp"

#include <iterator>
#include <list>
#include <unordered_map>

#include "model/file_io.hpp"
#include "session/log_commands.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/qso_entry.hpp"
#include "session/questions.hpp"
#include "session/scoring.hpp"
#include "session/unsaved_qsos.hpp"

namespace loxar {

namespace fs = std::filesystem;

fs::path backup_file_path(const Session& s) {
    return s.paths.backup_dir / fs_path("backup_" + trim(s.qso.band_text) + ".dat");
}

bool write_backup_record(Session& s, const char* kind, const Text& line) {
    return append_file(backup_file_path(s), Text(kind) + line + kCrLf);
}

BackupRebuild rebuild_from_backup(std::string_view file_bytes) {
    // An overwrite removes every line of its number: the lines of each number are found through
    // an index, so that a file of many overwrites never scans the whole log for each of them.
    std::list<Text> log;
    std::unordered_map<Text, std::vector<std::list<Text>::iterator>> by_number;
    BackupRebuild out;
    LineCursor cursor(file_bytes);
    for (std::string_view record; cursor.next(record);) {
        const std::string_view kind = record.substr(0, 9);
        if (kind != "HOZZAADAS" && kind != "FELULIRAS") continue;
        Text line = trim(record.substr(std::min<std::size_t>(record.size(), 11), kMaxLogLineLength));
        Text number = log_number_field(line);
        if (kind == "FELULIRAS") {
            if (auto it = by_number.find(number); it != by_number.end()) {
                for (auto gone : it->second) log.erase(gone);
                by_number.erase(it);
            }
        }
        if (log.size() >= kMaxLogQsos) {
            ++out.left_out;
            continue;
        }
        log.push_back(std::move(line));
        by_number[std::move(number)].push_back(std::prev(log.end()));
    }
    out.log.assign(std::make_move_iterator(log.begin()), std::make_move_iterator(log.end()));
    return out;
}

void backup_helyreallitas(Session& s) {
    s.vegyes.backup_lista.clear();
    const fs::path path = backup_file_path(s);
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        s.ui().refresh(Aspect::BackupList);
        alert(s, hu(u8"Nem találtam backup file-t!"));
        return;
    }
    const std::optional<Text> bytes = read_file(path);
    if (!bytes) {
        s.ui().refresh(Aspect::BackupList);
        alert(s, hu(u8"A backup file nem olvasható (túl nagy vagy hibás): ") + text_path(path));
        return;
    }
    BackupRebuild rebuilt = rebuild_from_backup(*bytes);
    for (Text& line : rebuilt.log) s.vegyes.backup_lista.add(std::move(line));
    s.ui().refresh(Aspect::BackupList);
    if (rebuilt.left_out > 0) {
        alert(s, hu(u8"A LOG-ban legfeljebb 99999 QSO lehet, a backup file további ") +
                     std::to_string(rebuilt.left_out) + hu(u8" rekordja kimaradt!"));
    }
}

void egy_backup_file_torles(Session& s) {
    remove_file(backup_file_path(s));
}

void backup_cmd_Click(Session& s, int index) {
    // With nothing rebuilt yet there is nothing to copy, and the log must not be cleared for it.
    if (s.vegyes.backup_lista.empty()) {
        s.ui().beep();
        return;
    }
    // The copied log is numbered by position, so it must fit five digits as a whole.
    const std::size_t kept = index == 0 ? 0 : s.log_lista.size();
    if (log_overflows(s, kept + s.vegyes.backup_lista.size())) return;
    if (index == 0 && !s.log_lista.empty()) {
        // The QSOs of the log the backup does not bring back are gone unless a LOG file has them.
        const std::size_t unsaved = unsaved_qsos_replaced_by(s, s.vegyes.backup_lista.items());
        const Text warning =
            unsaved_qso_warning(unsaved, hu(u8"Visszamásoláskor ezek a LOG-ból kikerülnek!"));
        if (!ask(s, hu(u8"Törlöm az aktuális LOG-ot. Folytatja?") + warning)) return;
        s.log_lista.clear();
    }
    for (const Text& line : s.vegyes.backup_lista.items()) s.log_lista.add(line);

    // The copied lines carry the numbers they had when they were logged, which may repeat
    // those already in the list: the log is numbered again by position, as after loading.
    sorszamozas(s);
    kovetkezo_sorszam_rutin(s);
    worked_countries_from_log(s);
    ossz_pontszam_szamolas(s);
    s.log_changed = true;
    s.log_lista.select_only(s.log_lista.size() - 1);
    save_band_log(s);
    auto_log_mentes(s);
    s.ui().refresh(Aspect::All);
}

}  // namespace loxar
