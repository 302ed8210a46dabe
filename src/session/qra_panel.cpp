// The "Hívójel lista" panel's procedures: its buttons, keys, list clicks, files and questions.
#include "session/qra_panel.hpp"

#include <algorithm>

#include "database/callsign_db.hpp"
#include "database/qra_list.hpp"
#include "model/entry_filter.hpp"
#include "model/file_io.hpp"
#include "session/questions.hpp"
#include "session/session.hpp"

namespace loxar {

namespace {

QraEntry entry_of_panel(const QraListPanel& p) {
    QraEntry e;
    e.call = p.lista_hivojel_text;
    e.locators = p.lista_qra_text;
    e.name = p.lista_nev_text;
    e.qth = p.lista_qth_text;
    e.exchange = p.lista_exch_text;
    e.nmark = p.nmark_combo.list_index == 1;
    e.hadxc = p.lista_hadxc_text;
    return e;
}

void put_entry(QraListPanel& p, const QraEntry& e) {
    p.lista_hivojel_text = e.call;
    p.lista_qra_text = e.locators;
    p.lista_nev_text = e.name;
    p.lista_qth_text = e.qth;
    p.lista_exch_text = e.exchange;
    p.nmark_combo.set(e.nmark ? 1 : 0);
    p.lista_hadxc_text = e.hadxc;
}

void select_record(ListBox& list, long i) {
    if (i < 0 || static_cast<std::size_t>(i) >= list.size()) return;
    list.select_only(static_cast<std::size_t>(i));
    list.list_index = i;
}

void assign(ListBox& list, const std::vector<Text>& records) {
    list.clear();
    for (const Text& r : records) list.add(r);
}

ExchangeQuestion ask_operator(Session& s) {
    return [&s](const Text& call, const Text& new_exchange, const Text& old_exchange) {
        s.ui().beep();
        s.dialog.question_number = Question::FreeText;
        s.dialog.question_text =
            call + kCrLf + "Exchange " + new_exchange + " ==> " + old_exchange + kCrLf + hu(u8" Cseréli?");
        s.ui().igen_nem(s.dialog);
        return s.dialog.dialog_answer == "OK";
    };
}

constexpr FieldKind kCallKind{FieldChars::Callsign, FieldCase::UpperFolded};
constexpr FieldKind kLocatorKind{FieldChars::Locator, FieldCase::UpperFolded};
// The file's fields are split at ";".
constexpr FieldKind kValueKind{FieldChars::Record, FieldCase::UpperFolded};

constexpr Control kLocatorFields[] = {Control::lista_qra_text_0, Control::lista_qra_text_1,
                                      Control::lista_qra_text_2, Control::lista_qra_text_3};

// The locator slot a field shows, or -1 for the other fields.
int locator_slot(Control control) {
    for (std::size_t k = 0; k < std::size(kLocatorFields); ++k) {
        if (kLocatorFields[k] == control) return static_cast<int>(k);
    }
    return -1;
}

}  // namespace

FieldKind qra_entry_kind(Control control) {
    if (control == Control::lista_hivojel_text) return kCallKind;
    if (locator_slot(control) >= 0) return kLocatorKind;
    if (control == Control::kereses_text) return {FieldChars::OneLine, FieldCase::UpperFolded};
    // The name found here becomes the received name of a QSO.
    if (control == Control::lista_nev_text) return {FieldChars::Name, FieldCase::UpperFolded};
    return kValueKind;
}

std::size_t qra_entry_width(Control control) {
    using namespace qra_col;
    if (control == Control::lista_hivojel_text) return kCallWidth;
    if (locator_slot(control) >= 0) return kSlotWidth;
    if (control == Control::lista_nev_text) return kNameWidth;
    if (control == Control::lista_qth_text) return kQthWidth;
    if (control == Control::lista_exch_text) return kExchangeWidth;
    if (control == Control::lista_hadxc_text) return kHadxcWidth;
    return 0;
}

void aprosagok_qra_beolvasas(Session& s) {
    s.dialog.chooser_mode = ChooserMode::Open;
    s.dialog.chooser_directory = text_path(s.paths.system_dir);
    s.dialog.chooser_extension = "qra";
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    ListBox& list = s.db.qra_list_panel.hivojel_qra_lista;
    s.ui().busy(true);
    const std::optional<Text> bytes = read_file(fs_path(s.dialog.chosen_path));
    std::optional<QraListRead> read;
    if (bytes) read = parse_qra_list(*bytes);
    // The working list is not saved anywhere else: only a file read whole replaces it.
    if (read) {
        assign(list, read->records);
        select_record(list, 0);
    }
    s.ui().busy(false);
    s.ui().refresh(Aspect::DatabasePanels);
    if (!bytes) {
        alert(s, hu(u8"A hívójel lista nem olvasható be (túl nagy vagy hibás): ") + s.dialog.chosen_path);
    } else if (!read) {
        alert(s, hu(u8"Nem QRA lista!"));
    } else if (read->left_out > 0) {
        alert(s, hu(u8"A hívójel listából az első ") + std::to_string(kMaxDatabaseRecords) +
                     hu(u8" állomás fért be, további ") + std::to_string(read->left_out) +
                     hu(u8" sor kimaradt."));
    }
}

void aprosagok_qra_mentes(Session& s) {
    const ListBox& list = s.db.qra_list_panel.hivojel_qra_lista;
    if (list.empty()) {
        s.ui().beep();
        return;
    }
    s.dialog.chooser_mode = ChooserMode::Save;
    s.dialog.chooser_directory = text_path(s.paths.system_dir);
    s.dialog.chooser_extension = "qra";
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    // The new file replaces an old one of the name whole, or not at all.
    if (!write_file_atomic(fs_path(s.dialog.chosen_path), qra_file_text(list.items()))) {
        report_not_saved(s, s.dialog.chosen_path);
        return;
    }
    alert(s, hu(u8"Elmentve!"));
}

void hivojel_lista_hozzaadas(Session& s, IrasFunkcio iras_funkcio) {
    QraListPanel& p = s.db.qra_list_panel;
    ListBox& list = p.hivojel_qra_lista;
    QraEntry e = entry_of_panel(p);
    if (iras_funkcio == IrasFunkcio::MergeLog) {
        std::vector<Text> records = list.items();
        const long chosen = merge_log(records, s.log_lista.items(), s.contest(), e, ask_operator(s));
        assign(list, records);
        select_record(list, chosen);
        put_entry(p, e);
        s.ui().refresh(Aspect::DatabasePanels);
        return;
    }
    const Text call = trim(e.call);
    if (call.empty()) {
        s.ui().beep();
        return;
    }
    const long found = find_station(list.items(), call);
    std::optional<Text> old;
    if (found >= 0) {
        old = list.at(static_cast<std::size_t>(found));
        select_record(list, found);
    }
    const Text record = merged_record(old, e, iras_funkcio, ask_operator(s));
    if (found >= 0) list.remove(static_cast<std::size_t>(found));
    list.add(record);
    select_record(list, found);
    s.ui().refresh(Aspect::DatabasePanels);
}

void uj_qra_lista(Session& s) {
    s.dialog.question_number = Question::FreeText;
    s.dialog.question_text = hu(u8"Akar új listát nyitni?");
    s.ui().igen_nem(s.dialog);
    if (s.dialog.dialog_answer != "OK") return;
    s.db.qra_list_panel.hivojel_qra_lista.clear();
    s.ui().refresh(Aspect::DatabasePanels);
}

void hivojel_lista_cmd_Click(Session& s, int index) {
    switch (index) {
        case 0: aprosagok_qra_mentes(s); break;
        case 1: aprosagok_qra_beolvasas(s); break;
        case 2: hivojel_lista_hozzaadas(s, IrasFunkcio::MergeLog); break;
        case 3: uj_qra_lista(s); break;
        case 4: hivojel_lista_hozzaadas(s, IrasFunkcio::Overwrite); break;
        case 5: hivojel_lista_hozzaadas(s, IrasFunkcio::Add); break;
        default: break;
    }
}

void lista_hivojel_text_Change(Session& s) {
    ListBox& list = s.db.qra_list_panel.hivojel_qra_lista;
    const long i = find_typed(list.items(), s.db.qra_list_panel.lista_hivojel_text);
    if (i < 0) return;
    select_record(list, i);
    s.ui().refresh(Aspect::DatabasePanels);
}

void hivojel_qra_lista_DblClick(Session& s, long index) {
    const ListBox& list = s.db.qra_list_panel.hivojel_qra_lista;
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return;
    put_entry(s.db.qra_list_panel, entry_of_record(list.at(static_cast<std::size_t>(index))));
    s.ui().refresh(Aspect::DatabasePanels);
}

void hivojel_qra_lista_shift_delete(Session& s) {
    ListBox& list = s.db.qra_list_panel.hivojel_qra_lista;
    for (std::size_t i = list.size(); i-- > 0;) {
        if (list.selected(i)) list.remove(i);
    }
    list.list_index = -1;
    s.ui().refresh(Aspect::DatabasePanels);
}

Text* qra_entry_field(Session& s, Control control) {
    QraListPanel& p = s.db.qra_list_panel;
    if (control == Control::lista_hivojel_text) return &p.lista_hivojel_text;
    if (const int k = locator_slot(control); k >= 0) return &p.lista_qra_text[static_cast<std::size_t>(k)];
    if (control == Control::lista_nev_text) return &p.lista_nev_text;
    if (control == Control::lista_qth_text) return &p.lista_qth_text;
    if (control == Control::lista_exch_text) return &p.lista_exch_text;
    if (control == Control::lista_hadxc_text) return &p.lista_hadxc_text;
    return nullptr;
}

bool qra_entry_key(Session& s, Control control, char& c) {
    const auto at = std::find(kQraEntryControls.begin(), kQraEntryControls.end(), control);
    if (at == kQraEntryControls.end()) return false;
    if (c == '\r') {
        hivojel_lista_hozzaadas(s, IrasFunkcio::Add);
        return true;
    }
    if (c == ' ') {
        const auto next =
            std::next(at) == kQraEntryControls.end() ? kQraEntryControls.begin() : std::next(at);
        s.ui().focus(*next, true);
        return true;
    }
    if ((c == '<' || c == '>') && locator_slot(control) >= 0) {
        auto& locs = s.db.qra_list_panel.lista_qra_text;
        if (c == '<') {
            std::rotate(locs.begin(), locs.begin() + 1, locs.end());
        } else {
            std::rotate(locs.rbegin(), locs.rbegin() + 1, locs.rend());
        }
        s.ui().refresh(Aspect::DatabasePanels);
        return true;
    }
    if (control != Control::nmark_combo) c = filter_char(qra_entry_kind(control), c);
    return false;
}

void qra_entry_left(Session& s, Control control) {
    Text* f = qra_entry_field(s, control);
    if (!f) return;
    const Text trimmed = trim(*f);
    if (trimmed == *f) return;
    *f = trimmed;
    s.ui().refresh(Aspect::DatabasePanels);
}

}  // namespace loxar
