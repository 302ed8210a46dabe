// Main window, log side: the entry fields' keys and focus, the log commands and their lists.
#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <optional>

#include "exchange/adif_export.hpp"
#include "exchange/log_import.hpp"
#include "rules/scoring.hpp"
#include "session/adif_export.hpp"
#include "session/backup.hpp"
#include "session/band_change.hpp"
#include "session/duplicates.hpp"
#include "session/log_commands.hpp"
#include "session/log_import.hpp"
#include "session/qso_edit.hpp"
#include "session/qso_entry.hpp"
#include "session/scoring.hpp"
#include "session/statistics.hpp"
#include "statistics/map_projection.hpp"
#include "statistics/shoreline.hpp"
#include "statistics/statistics.hpp"
#include "ui/bindings.hpp"
#include "ui/main_window.hpp"
#include "ui/map_view.hpp"
#include "ui/qt_text.hpp"
#include "ui/statistics_chart.hpp"
#include "ui/text_list_model.hpp"

namespace loxar {

namespace {

// Fields whose typed characters the core filters; the first nine also take Enter and Space.
const Control kEntryFields[] = {
    Control::kapott_hivojel_text,
    Control::kapott_riport_text,
    Control::kapott_sorszam_text,
    Control::kapott_QRA_text,
    Control::kapott_nev_text,
    Control::kuldott_riport_text,
    Control::kuldott_sorszam_text,
    Control::kuldott_nev_text,
    Control::hivojel_2_text,
    Control::kezelo_text,
    Control::exch_text,
    Control::hivojel_text,
    Control::QRA_text,
    Control::qth_text,
    Control::verseny_neve_text,
    Control::tavolsag_text,
    Control::pontszam_text,
};
// Fields (and the sex selector) whose leaving runs a procedure.
const Control kLeaveEvents[] = {
    Control::kapott_hivojel_text,  Control::kapott_riport_text, Control::kapott_sorszam_text,
    Control::kapott_QRA_text,      Control::kapott_nev_text,    Control::kuldott_riport_text,
    Control::kuldott_sorszam_text, Control::kuldott_nev_text,   Control::kapott_sex_combo,
};
const Control kLabelButtons[] = {
    Control::kapott_hivojel_cmd,  Control::kapott_cmd,      Control::kapott_sorszam_cmd,
    Control::kapott_QRA_cmd,      Control::kapoo_nev_cmd,   Control::kuldott_riport_cmd,
    Control::kuldott_sorszam_cmd, Control::kuldott_nev_cmd, Control::hivojel_2_cmd,
};

template <std::size_t N>
bool listed(const Control (&controls)[N], std::optional<Control> c) {
    return c && std::find(std::begin(controls), std::end(controls), *c) != std::end(controls);
}

// The one cp1250 character a key types; 0 for keys that type none (or more than one).
char typed_char(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return '\r';
    const Text t = cp(e->text());
    return t.size() == 1 && static_cast<unsigned char>(t[0]) >= 0x20 ? t[0] : 0;
}

// What the entry's commands change: its fields and labels, selectors and switches, captions.
constexpr Aspect kEntry = Aspect::EntryFields | Aspect::Selectors | Aspect::View;
// Adding a QSO also clears the locator list and searches the log again; the log list it
// refreshes itself.
constexpr Aspect kAdding = kEntry | Aspect::DatabaseLists | Aspect::FoundList;
// The log's lines changed (deleted, overwritten, renumbered, read in), and what is counted from them.
constexpr Aspect kLogLines = Aspect::LogList | kEntry;

}  // namespace

void MainWindow::on_click(QAbstractButton* b, Aspect changes, std::function<void()> action) {
    if (!b) return;
    connect(b, &QAbstractButton::clicked, this, [this, changes, action = std::move(action)] {
        action();
        refresh(changes);
    });
}

void MainWindow::on_click(const char* button, Aspect changes, std::function<void()> action) {
    on_click(findChild<QAbstractButton*>(button), changes, std::move(action));
}

void MainWindow::on_click(Control button, Aspect changes, std::function<void()> action) {
    on_click(control_as<QAbstractButton>(button), changes, std::move(action));
}

void MainWindow::connect_logging() {
    for (const ListBinding& b : list_bindings()) {
        auto* view = control_as<QListView>(b.control);
        auto field = b.field;
        auto* model = new TextListModel([this, field]() -> const ListBox& { return field(s_); }, this);
        view->setModel(model);
        extra_lists_.emplace_back(view, model);
    }
    for (Control name :
         {Control::kapott_hivojel_text, Control::hivojel_2_text, Control::kapott_sorszam_text}) {
        connect(control_as<QLineEdit>(name), &QLineEdit::textEdited, this,
                [this, name] { entry_field_changed(s_, name); });
    }
    for (Control name : kLabelButtons) {
        on_click(name, kEntry, [this, name] { entry_label_cmd_Click(s_, name); });
    }
    on_click(Control::OM_cmd, kEntry, [this] { OM_cmd_Click(s_); });
    on_click(Control::YL_cmd, kEntry, [this] { YL_cmd_Click(s_); });
    on_click(Control::csere_cmd, kEntry | Aspect::FoundList, [this] { csere_cmd_Click(s_); });
    on_click("log_hozzaad_cmd", kAdding, [this] { log_hozzaad_cmd_Click(s_); });
    on_click("freki_up_cmd", kLogLines, [this] { freki_up_cmd_Click(s_); });
    on_click("freki_down_cmd", kLogLines, [this] { freki_down_cmd_Click(s_); });
    on_click("edit_cmd", kEntry, [this] { edit_cmd_Click(s_); });
    on_click("log_felulir_cmd", kLogLines, [this] { log_felulir_cmd_Click(s_); });
    on_click("QSO_torol_cmd", kLogLines, [this] { QSO_torol_cmd_Click(s_); });
    on_click("save_log_cmd", Aspect::View, [this] { save_log_cmd_Click(s_); });
    on_click("load_log_cmd", kLogLines, [this] { load_log_cmd_Click(s_); });
    on_click("log_osszefuzes_cmd", kLogLines, [this] { log_osszefuzes_cmd_Click(s_); });
    on_click("ujraszamolas_cmd", kLogLines, [this] { ujraszamolas_cmd_Click(s_); });
    on_click("backup_helyreallitas_cmd", Aspect::BackupList, [this] { backup_helyreallitas(s_); });
    on_click("backup_cmd_0", kLogLines, [this] { backup_cmd_Click(s_, 0); });
    on_click("backup_cmd_1", kLogLines, [this] { backup_cmd_Click(s_, 1); });
    on_click("aprosag_cmd", Aspect::Panels | Aspect::Vegyes, [this] { savvaltas_cmd_Click(s_); });
    // The multi-purpose panel's buttons belong to the task that opened it.
    for (int i = 0; i < 5; ++i) {
        const std::string name = "vegyes_cmd_" + std::to_string(i);
        on_click(name.c_str(), Aspect::Vegyes, [this, i] {
            if (s_.panel_mode == PanelTask::BandChange && i == 0) savvaltas_valtas_Click(s_);
            if (s_.panel_mode == PanelTask::BandChange && i == 1) savvaltas_kesz_Click(s_);
            if (s_.panel_mode == PanelTask::Import) import_vegyes_cmd_Click(s_, i);
            if (s_.panel_mode == PanelTask::Export && i == 0) export_mentes_Click(s_);
            if (s_.panel_mode == PanelTask::Statistics && i == 0) statistics_save();
            if (s_.panel_mode == PanelTask::Statistics && i == 1) statisztika_terkep_Click(s_);
        });
    }
    on_click("statisztika_cmd", Aspect::Panels | Aspect::Vegyes | Aspect::Statistics,
             [this] { statisztika_cmd_Click(s_); });
    for (int i = 0; i < 2; ++i) {
        auto* radio = findChild<QRadioButton*>(QStringLiteral("vegyes_valaszto_%1").arg(i));
        connect(radio, &QRadioButton::toggled, this, [this, i](bool on) {
            if (refreshing_ || !on) return;
            s_.vegyes.vegyes_valaszto = static_cast<short>(i);
            refresh_extra_lists(kListRowsSteps);
        });
    }
    connect(log_view_, &QListView::doubleClicked, this, [this] {
        log_lista_DblClick(s_);
        refresh(kEntry);
    });
    connect(findChild<QListView*>("talalt_log_lista"), &QListView::doubleClicked, this,
            [this](const QModelIndex& i) {
                talalt_log_lista_DblClick(s_, i.row());
                refresh(Aspect::LogList);
            });
    // The number field is clicked to leave edit mode; it never takes typing.
    if (auto* edited = findChild<QLineEdit*>("edit_sorszam_text")) edited->setFocusPolicy(Qt::ClickFocus);
}

bool MainWindow::logging_key(QWidget* w, QKeyEvent* e) {
    const std::optional<Control> name = control_of(w);
    if (listed(kEntryFields, name)) {
        const char original = typed_char(e);
        if (original == 0) return false;
        char c = original;
        if (entry_key_press(s_, *name, c)) {
            refresh(kAdding);
            return true;
        }
        if (c == original) return false;
        // The field takes the filtered character as if it had been typed.
        QKeyEvent filtered(QEvent::KeyPress, e->key(), e->modifiers(), qs(Text(1, c)));
        forwarding_key_ = true;
        QApplication::sendEvent(w, &filtered);
        forwarding_key_ = false;
        return true;
    }
    if (name == Control::kapott_sex_combo) {
        const char c = typed_char(e);
        if (c != 0 && kapott_sex_combo_KeyPress(s_, c)) {
            refresh(kAdding);
            return true;
        }
        return false;
    }
    if (w == log_view_) {
        if (e->key() == Qt::Key_Delete && e->modifiers() == Qt::ShiftModifier) {
            log_lista_shift_delete(s_);
            refresh(kLogLines);
            return true;
        }
        if (const char c = typed_char(e); c != 0 && c != '\r') {
            log_lista_KeyPress(s_, c);
            refresh(Aspect::View);
        }
        return false;
    }
    if (name == Control::edit_sorszam_text && typed_char(e) != 0) {
        edit_sorszam_text_KeyPress(s_);
        return true;
    }
    return false;
}

void MainWindow::logging_focus(QWidget* w, QFocusEvent* e) {
    // A message box or a popup taking the focus is not the operator leaving the field.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    if (in_focus_handler_) return;
    const std::optional<Control> name = control_of(w);
    in_focus_handler_ = true;
    if (e->type() == QEvent::FocusIn) {
        if (name == Control::edit_sorszam_text) {
            edit_sorszam_text_GotFocus(s_);
            refresh(kEntry);
        } else if (listed(kEntryFields, name)) {
            entry_field_got_focus(s_, *name);
        }
    } else if (listed(kLeaveEvents, name)) {
        const bool by_tab = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
        entry_field_lost_focus(s_, *name, by_tab);
        refresh(kEntry | Aspect::DatabaseLists);
    }
    in_focus_handler_ = false;
}

void MainWindow::refresh_labels() {
    for (const LabelBinding& b : label_bindings()) {
        if (auto* l = control_as<QLabel>(b.control)) {
            const QString text = qs(b.field(s_));
            if (l->text() != text) l->setText(text);
        }
    }
}

void MainWindow::reload_extra_list(std::size_t i) {
    auto [view, model] = extra_lists_[i];
    model->sync();
    const long first = list_bindings()[i].field(s_).first_selected();
    if (first >= 0) {
        view->selectionModel()->setCurrentIndex(model->index(static_cast<int>(first)),
                                                QItemSelectionModel::ClearAndSelect);
    }
}

void MainWindow::refresh_extra_lists(unsigned steps) {
    // The refresh step that reloads a list's rows.
    const auto rows_step = [](Control list) -> unsigned {
        switch (list) {
            case Control::talalt_log_lista: return kFoundRowsStep;
            case Control::backup_lista: return kBackupRowsStep;
            case Control::vegyes_lista_0:
            case Control::vegyes_lista_1: return kVegyesPageStep;
            case Control::qso_lista:
            case Control::adif_qso_lista:
            case Control::riport_hibak_lista: return kReportRowsStep;
            default: return kCallingRowsStep;
        }
    };
    for (std::size_t i = 0; i < extra_lists_.size(); ++i) {
        if (steps & rows_step(list_bindings()[i].control)) reload_extra_list(i);
    }
    if (!(steps & kVegyesPageStep)) return;
    const bool statistics = s_.panel_mode == PanelTask::Statistics;
    const bool map_shown = statistics && s_.statistics.map_shown;
    if (auto* chart = findChild<ui::StatisticsChart*>("statisztika_grafikon")) {
        chart->setVisible(statistics && !map_shown);
        chart->show_state(statistics ? &s_.statistics : nullptr);
    }
    if (auto* map = findChild<ui::MapView*>("statisztika_terkep")) {
        // The map's numbers are the page's: taken again, and the view started over, only when
        // the page was built again, not at each refresh of the panel.
        const std::uint64_t page = statistics ? s_.statistics.page : 0;
        if (page != map_page_) {
            map_page_ = page;
            map->show_data(statistics ? &s_.statistics.map : nullptr);
            if (statistics) load_shorelines_for(*map, s_.statistics.map);
        }
        map->setVisible(map_shown);
    }
    if (auto* page = findChild<QWidget*>("vegyes_oldal")) page->setVisible(!map_shown);
    for (int i = 0; i < 2; ++i) {
        const bool shown = s_.vegyes.vegyes_valaszto == i;
        if (auto* list = control(i == 0 ? Control::vegyes_lista_0 : Control::vegyes_lista_1))
            list->setVisible(shown && !map_shown);
        if (auto* radio = findChild<QRadioButton*>(QStringLiteral("vegyes_valaszto_%1").arg(i))) {
            if (radio->isChecked() != shown) radio->setChecked(shown);
            radio->setVisible(!map_shown);
        }
    }
}

// The coasts around the own station, as far as the log reaches and at least 3000 km, from the
// installed shoreline file; read again only when the centre or the reach changed. Without a file
// the map goes without coasts; a damaged one is said in the status line.
void MainWindow::load_shorelines_for(ui::MapView& map, const MapData& shown) {
    if (!shown.centre) return;
    constexpr double kLeastReachKm = 3000;
    const double reach = std::max(kLeastReachKm, shown.rings.empty() ? 0.0 : 1.5 * shown.rings.back());
    const GeoBox box = box_around(*shown.centre, reach);
    if (shoreline_box_ == box) return;
    shoreline_box_ = box;
    const std::optional<std::filesystem::path> file = installed_shoreline_file();
    if (!file) return;
    Result<std::vector<GeoLine>> lines = load_shorelines(*file, box);
    if (!lines) {
        notice(lines.message());
        return;
    }
    map.set_shorelines(std::move(*lines));
}

void MainWindow::statistics_save() {
    auto* map = findChild<ui::MapView*>("statisztika_terkep");
    if (!s_.statistics.map_shown || !map) {
        statisztika_mentes_Click(s_);
        return;
    }
    const QByteArray png = map->png_bytes(), svg = map->svg_bytes();
    terkep_mentes(s_, Text(png.constData(), static_cast<std::size_t>(png.size())),
                  Text(svg.constData(), static_cast<std::size_t>(svg.size())));
}

}  // namespace loxar
