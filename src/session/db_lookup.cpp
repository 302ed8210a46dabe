// The callsign database during QSO entry: loading, lookup, as-you-type selection and the locator list.
#include "session/db_lookup.hpp"

#include "model/contest_profile.hpp"
#include "model/file_io.hpp"
#include "session/questions.hpp"

namespace loxar {

namespace {

void refresh_lookup(Session& s) {
    s.ui().refresh(Aspect::EntryFields);
    s.ui().refresh(Aspect::DatabaseLists);
}

}  // namespace

void adatbazis_beolvasas(Session& s, const std::filesystem::path& nev) {
    s.db.qra_sort_lista.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(nev, ec)) {
        s.ui().refresh(Aspect::DatabaseLists);
        return;
    }
    s.ui().busy(true);
    std::optional<Text> bytes = read_file(nev);
    std::size_t left_out = 0;
    if (bytes) {
        DatabaseRead read = parse_database(*bytes);
        left_out = read.left_out;
        s.db.qra_sort_lista.assign(std::move(read.records));
        s.db.database_loaded = true;
    }
    s.ui().busy(false);
    s.ui().refresh(Aspect::DatabaseLists);
    if (!bytes) {
        alert(s, hu(u8"A hívójel lista nem olvasható be (túl nagy vagy hibás): ") + text_path(nev));
    } else if (left_out > 0) {
        alert(s, hu(u8"A hívójel listából az első ") + std::to_string(kMaxDatabaseRecords) +
                     hu(u8" állomás fért be, további ") + std::to_string(left_out) + hu(u8" sor kimaradt: ") +
                     text_path(nev));
    }
}

// The contest-type change loads its database through this name.
void qra_adatbazis_betoltes(Session& s, const std::filesystem::path& file) {
    adatbazis_beolvasas(s, file);
}

void qra_read_cmd_Click(Session& s) {
    s.db.database_loaded = false;
    s.dialog.chooser_mode = ChooserMode::Open;
    s.dialog.chooser_directory = text_path(s.paths.system_dir);
    s.dialog.chooser_extension = contest_profile(s.contest()).database_extension;
    s.ui().file_valasztas(s.dialog);
    if (!s.dialog.chosen_path.empty()) adatbazis_beolvasas(s, fs_path(s.dialog.chosen_path));
}

void allomas_adat_kereses(Session& s) {
    if (!s.db.database_loaded) return;
    const Text sought = trim(s.qso.kapott_hivojel_text);
    s.db.qra_lista.clear();
    const StationFill f = station_fill(s.db.qra_sort_lista, s.contest(), sought);
    if (f.index >= 0) s.db.qra_sort_lista.set_current(f.index);
    for (const Text& loc : f.locators) s.db.qra_lista.add(loc);
    if (!s.db.qra_lista.empty()) s.db.qra_lista.select_only(0);
    QsoRecord& q = s.qso;
    if (f.callsign) q.kapott_hivojel_text = *f.callsign;
    if (f.locator) q.kapott_QRA_text = *f.locator;
    if (f.name) q.kapott_nev_text = *f.name;
    if (f.number) q.kapott_sorszam_text = *f.number;
    refresh_lookup(s);
}

void database_select_typed(Session& s) {
    if (s.db.qra_sort_lista.empty()) return;
    const long i = s.db.qra_sort_lista.find_containing(trim(s.qso.kapott_hivojel_text));
    if (i < 0 || i == s.db.qra_sort_lista.current()) return;
    s.db.qra_sort_lista.set_current(i);
    s.ui().refresh(Aspect::DatabaseLists);
}

std::optional<Text> database_insert_completion(Session& s) {
    const CallsignDb& db = s.db.qra_sort_lista;
    if (db.empty() || db.current() < 0) return std::nullopt;
    const Text& record = db.at(static_cast<std::size_t>(db.current()));
    if (record.find(trim(s.qso.kapott_hivojel_text)) == Text::npos) return std::nullopt;
    s.qso.kapott_hivojel_text = trim(col(record, db_col::kCall, db_col::kCallWidth));
    allomas_adat_kereses(s);
    s.ui().refresh(Aspect::EntryFields);
    return s.qso.kapott_hivojel_text;
}

void qra_lista_cmd_Click(Session& s) {
    s.ui().focus(Control::qra_lista, false);
}

void qra_lista_DblClick(Session& s, long index) {
    if (index < 0 || static_cast<std::size_t>(index) >= s.db.qra_lista.size()) return;
    s.qso.kapott_QRA_text = s.db.qra_lista.at(static_cast<std::size_t>(index));
    s.ui().refresh(Aspect::EntryFields);
}

bool qra_lista_enter(Session& s) {
    const long i = s.db.qra_lista.list_index;
    if (i < 0 || static_cast<std::size_t>(i) >= s.db.qra_lista.size()) return true;
    s.qso.kapott_QRA_text = s.db.qra_lista.at(static_cast<std::size_t>(i));
    s.ui().refresh(Aspect::EntryFields);
    s.ui().focus(Control::kapott_QRA_text, true);
    return true;
}

}  // namespace loxar
