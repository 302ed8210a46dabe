// Main window: panels, bindings between controls and the session, timers and the exit.
#include "ui/main_window.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "database/db_lookup.hpp"
#include "model/file_io.hpp"
#include "platform/rig_worker.hpp"
#include "rig/hamlib_rig.hpp"
#include "rules/contest_rules.hpp"
#include "session/clock.hpp"
#include "session/contest_rules.hpp"
#include "session/db_lookup.hpp"
#include "session/keying_box.hpp"
#include "session/lifecycle.hpp"
#include "session/log_commands.hpp"
#include "session/qrb.hpp"
#include "session/rig_control.hpp"
#include "session/score_explanation.hpp"
#include "session/startup.hpp"
#include "session/status_line.hpp"
#include "session/window_keys.hpp"
#include "session/window_state.hpp"
#include "ui/bindings.hpp"
#include "ui/data_sheet_panel.hpp"
#include "ui/database_panels.hpp"
#include "ui/field_text.hpp"
#include "ui/file_chooser.hpp"
#include "ui/panel_builder.hpp"
#include "ui/panels.hpp"
#include "ui/qt_text.hpp"
#include "ui/report_panel.hpp"
#include "ui/text_list_model.hpp"
#include "ui/yes_no_dialog.hpp"

namespace loxar {

namespace {

const char* const kMainCaptions[] = {"LOG készítés", "Adatlap kitöltés", "Jegyzőkönyv", "Apróságok",
                                     "Segítség",     "Export",           "Import",      "Összesítő"};

WindowKey window_key(int qt_key) {
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) {
        return static_cast<WindowKey>(qt_key - Qt::Key_F1 + static_cast<int>(WindowKey::F1));
    }
    switch (qt_key) {
        case Qt::Key_T: return WindowKey::T;
        case Qt::Key_PageUp: return WindowKey::PageUp;
        case Qt::Key_PageDown: return WindowKey::PageDown;
        case Qt::Key_Escape: return WindowKey::Escape;
        default: return WindowKey::Other;
    }
}

// Page order of the panel stack follows the Panel enum.
constexpr int page_of(Panel p) {
    return static_cast<int>(p);
}

QString css_color(Color c) {
    switch (c) {
        case Color::Black: return QStringLiteral("black");
        case Color::Red: return QStringLiteral("red");
        case Color::Green: return QStringLiteral("#1ea01e");
        case Color::Yellow: return QStringLiteral("#e0c000");
        case Color::Magenta: return QStringLiteral("magenta");
        case Color::Grey: return QStringLiteral("#909090");
        case Color::LightGrey: return QStringLiteral("#d8d8d8");
        default: return {};
    }
}

}  // namespace

MainWindow::MainWindow(Ports ports, QWidget* parent) : QMainWindow(parent) {
    s_.ports = ports;
    s_.ports.ui = this;
    form_inic(s_);
    build();
    connect_controls();
    refresh(Aspect::All);
}

void MainWindow::attach_rig(RigWorker& rig) {
    // The Rig tab offers every model Hamlib knows, by maker and model.
    connect(&rig, &RigWorker::models, this, [this](const std::vector<RigModel>& models) {
        std::vector<Text> names;
        std::vector<int> numbers;
        for (const RigModel& m : models) {
            names.push_back(m.maker + " " + m.name + " (" + std::to_string(m.model) + ")");
            numbers.push_back(m.model);
        }
        rig_models_known(s_, std::move(names), std::move(numbers));
        refresh(Aspect::Selectors);
    });
    connect(&rig, &RigWorker::reading, this,
            [this](long long hz, const std::string& mode, unsigned sequence) {
                rig_reading(s_, hz, mode, sequence);
            });
    connect(&rig, &RigWorker::silent, this,
            [this](const std::string& problem) { rig_link_changed(s_, false, problem); });
}

MainWindow::~MainWindow() {
    // The player outlives the window: its reports must not reach a session that is gone.
    if (s_.ports.player) {
        s_.ports.player->set_status_interval(0);
        s_.ports.player->set_status_handler({});
    }
}

void MainWindow::build() {
    setWindowTitle(QStringLiteral("Loxar – versenynapló"));
    auto* central = new QWidget(this);
    auto* col = new QVBoxLayout(central);
    col->setContentsMargins(4, 4, 4, 0);
    col->setSpacing(2);

    auto* commands = new QHBoxLayout;
    for (int i = 0; i < 8; ++i) {
        const std::string name = "main_cmd_" + std::to_string(i);
        QPushButton* b = ui::button(central, name.c_str(), QString::fromUtf8(kMainCaptions[i]));
        if (i == 7) b->setToolTip(QStringLiteral("Kiértékelt összesítő nézegetése"));
        connect(b, &QPushButton::clicked, this, [this, i] { main_cmd_Click(s_, i); });
        commands->addWidget(b);
    }
    commands->addWidget(ui::button(central, "statisztika_cmd", QStringLiteral("Statisztika"),
                                   QStringLiteral("A LOG statisztikája a kiválasztott verseny szerint")));
    commands->addStretch(1);
    QPushButton* uj = ui::button(central, "uj_lista_cmd", QStringLiteral("Új verseny"),
                                 QStringLiteral("Egy versenyhez egyszer kell megnyomni"));
    connect(uj, &QPushButton::clicked, this, [this] { uj_lista_cmd_Click(s_); });
    commands->addWidget(uj);
    QPushButton* stop =
        ui::button(central, "quit", QStringLiteral("STOP"), QStringLiteral("Mentés és kilépés"));
    stop->setStyleSheet(QStringLiteral("font-weight: bold; color: #b00000;"));
    connect(stop, &QPushButton::clicked, this, [this] { quit_Click(s_); });
    commands->addWidget(stop);
    col->addLayout(commands);

    stack_ = new QStackedWidget(central);
    stack_->setObjectName("panel_stack");
    stack_->addWidget(ui::build_log_panel(stack_));
    stack_->addWidget(ui::build_adatlap_panel(stack_));
    stack_->addWidget(ui::build_jegyzokonyv_panel(stack_));
    stack_->addWidget(ui::build_aprosag_panel(stack_));
    stack_->addWidget(ui::build_help_panel(stack_));
    stack_->addWidget(ui::build_osszesito_panel(stack_));
    stack_->addWidget(ui::build_vegyes_panel(stack_));
    col->addWidget(stack_, 1);
    setCentralWidget(central);
    // Permanent, so a notice shown in the status line does not hide it.
    status_info_ = new QLabel(this);
    status_info_->setObjectName("allapot_sor");
    statusBar()->addPermanentWidget(status_info_);

    // Each control of the table is looked up by its name once; the window goes by Control after.
    QHash<QString, QWidget*> named;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty()) named.insert(w->objectName(), w);
    }
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto c = static_cast<Control>(i);
        const std::string_view name = control_name(c);
        QWidget* w =
            named.value(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), nullptr);
        if (!w) {
            qWarning("loxar: no widget for control %.*s", static_cast<int>(name.size()), name.data());
            continue;
        }
        widgets_[i] = w;
        control_of_.insert(w, c);
    }
    log_view_ = findChild<QListView*>("log_lista");
    log_heading_ = findChild<QLabel*>("log_label");
    log_model_ = new TextListModel([this]() -> const ListBox& { return s_.log_lista; }, this);
    log_view_->setModel(log_model_);
    db_view_ = findChild<QListView*>("qra_sort_lista");
    db_model_ =
        new TextListModel([this] { return s_.db.qra_sort_lista.size(); },
                          [this](std::size_t i) -> const Text& { return s_.db.qra_sort_lista.at(i); }, this);
    db_view_->setModel(db_model_);
    locator_view_ = findChild<QListView*>("qra_lista");
    locator_model_ = new TextListModel([this]() -> const ListBox& { return s_.db.qra_lista; }, this);
    locator_view_->setModel(locator_model_);
    // As large as a laptop screen allows, never beyond it: the available area still holds the
    // title bar the window manager adds above the window.
    constexpr int kTitleBar = 36;
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    resize(std::min(1300, room.width()), std::min(760, room.height() - kTitleBar));
}

void MainWindow::connect_controls() {
    const auto& texts = text_bindings();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto* e = control_as<QLineEdit>(texts[i].control);
        if (!e) continue;
        if (texts[i].read_only) e->setReadOnly(true);
        text_controls_.emplace_back(e, i);
        // Typing, pasting, dropping and setText all end here: the session takes the filtered text
        // and the field shows it. Edits come before the handlers that read the field (textEdited).
        auto store = [this, e, i](const QString& t) {
            if (refreshing_ || t != e->text()) return;  // a refresh, or a stale notice of a replaced text
            const TextBinding& b = text_bindings()[i];
            const FilteredText clean = bound_text(s_, b, b.field(s_), cp(t));
            b.field(s_) = clean.text;
            if (clean.refused) beep();
            show_cleaned(e, t, qs(clean.text));
        };
        connect(e, &QLineEdit::textEdited, this, store);
        // Only the operator's own edits make the fields after an add theirs again.
        connect(e, &QLineEdit::textEdited, this, [this] { s_.entry_untouched_since_add = false; });
        connect(e, &QLineEdit::textChanged, this, store);
        // Typing beyond the maximum length, or a paste cut by it.
        connect(e, &QLineEdit::inputRejected, this, [this] { beep(); });
    }
    const auto& combos = combo_bindings();
    for (std::size_t i = 0; i < combos.size(); ++i) {
        auto* c = control_as<QComboBox>(combos[i].control);
        if (!c) continue;
        combo_controls_.emplace_back(c, i);
        connect(c, &QComboBox::activated, this, [this, i](int index) {
            combo_bindings()[i].field(s_).set(index);
            const Control name = combo_bindings()[i].control;
            if (name == Control::szabaly_combo) szabaly_combo_Click(s_);
            if (name == Control::mod_combo) mod_szorzo_rutin(s_);
            if (name == Control::auto_mentes_combo) auto_mentes_combo_Click(s_);
            keyer_control_changed(s_, name);
            refresh(Aspect::EntryFields | Aspect::Selectors | Aspect::Calling | Aspect::View);
        });
    }
    const auto& checks = check_bindings();
    for (std::size_t i = 0; i < checks.size(); ++i) {
        auto* c = control_as<QCheckBox>(checks[i].control);
        if (!c) continue;
        check_controls_.emplace_back(c, i);
        connect(c, &QCheckBox::toggled, this, [this, i](bool on) {
            if (refreshing_) return;
            check_bindings()[i].field(s_) = on;
            keyer_control_changed(s_, check_bindings()[i].control);
        });
    }
    connect(findChild<QPushButton*>("frissites_cmd"), &QPushButton::clicked, this,
            [this] { frissites_rutin(s_); });
    ui::wire_data_sheet_panel(findChild<QWidget*>("adatlap_keret"), s_, *this,
                              [this] { refresh(Aspect::DataSheet); });
    ui::wire_report_panel(findChild<QWidget*>("jegyzokonyv_keret"), s_, [this] { refresh(Aspect::Report); });
    connect(log_view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (refreshing_) return;
        const QModelIndexList rows = log_view_->selectionModel()->selectedRows();
        for (std::size_t i = 0; i < s_.log_lista.size(); ++i) s_.log_lista.select(i, false);
        for (const QModelIndex& r : rows) s_.log_lista.select(static_cast<std::size_t>(r.row()), true);
        s_.log_lista.list_index = log_view_->currentIndex().row();
        log_lista_kijeloles(s_);
    });
    // A row the window made current (the QSO just added, a restored selection) is explained too,
    // once the refresh that moved it is over.
    connect(log_view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (refreshing_) QTimer::singleShot(0, this, [this] { log_lista_kijeloles(s_); });
    });
    connect(control_as<QPushButton>(Control::tavolsag_szamolo_cmd), &QPushButton::clicked, this,
            [this] { tavolsag_szamolo_cmd_Click(s_); });
    connect(control_as<QPushButton>(Control::iranyszog_cmd), &QPushButton::clicked, this,
            [this] { iranyszog_cmd_Click(s_); });
    connect(control_as<QPushButton>(Control::frekvencia_cmd), &QPushButton::clicked, this,
            [this] { focus(Control::frekvencia_text, true); });
    connect_database_lists();
    database_panels_ = new DatabasePanels(
        this, s_, [this] { refresh(Aspect::DatabasePanels | Aspect::DatabaseLists | Aspect::View); });
    connect_logging();
    connect_calling();
    connect(&clock_timer_, &QTimer::timeout, this, &MainWindow::clock_tick);
    qApp->installEventFilter(this);
}

bool MainWindow::start(const std::filesystem::path& home) {
    if (Status started = Form_Load(s_, home); !started) {
        message(started.message());
        return false;
    }
    // The start's message boxes took the keyboard; it comes back to the field the start chose.
    activateWindow();
    clock_tick();
    clock_timer_.start(200);
    call_timer_.start(100);
    refresh(Aspect::Calling);
    return true;
}

void MainWindow::clock_tick() {
    if (s_.ports.clock) Timer1_Timer(s_, s_.ports.clock->now());
    if (s_.start_loaded) ablak_allapot_mentes(s_);
}

void MainWindow::end_on_signal() {
    if (unloaded_) return;
    unloaded_ = true;
    clock_timer_.stop();
    call_timer_.stop();
    // Before the start has read the log nothing was changed yet, and a half-read state must not
    // be written over the files it came from.
    if (s_.start_loaded) (void)save_on_signal(s_);
    // Every running event loop ends, a modal box's too, so nothing waits for an answer at
    // shutdown; the queued quit ends the main loop also when it has not started yet.
    QCoreApplication::exit(0);
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

QString MainWindow::program_dir() const {
    return QString::fromStdString(s_.paths.home.string());
}

std::optional<Control> MainWindow::control_of(const QObject* w) const {
    const auto at = control_of_.constFind(w);
    if (at == control_of_.constEnd()) return std::nullopt;
    return *at;
}

// --- Ui ---------------------------------------------------------------------------------

void MainWindow::beep() {
    QApplication::beep();
}

void MainWindow::message(const Text& text) {
    QString shown = qs(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Information, QStringLiteral("Loxar"), shown, QMessageBox::Ok, this);
    box.setObjectName("uzenet_box");
    box.exec();
}

void MainWindow::notice(const Text& text) {
    QApplication::beep();
    statusBar()->showMessage(qs(text));
}

void MainWindow::clear_notice() {
    statusBar()->clearMessage();
}

void MainWindow::igen_nem(DialogVars& d) {
    run_igen_nem(this, d, program_dir());
}

void MainWindow::file_valasztas(DialogVars& d) {
    run_file_valasztas(this, d, program_dir(), [this](DialogVars& dd) { igen_nem(dd); });
}

void MainWindow::focus(Control c, bool select_all) {
    QWidget* w = control(c);
    if (!w) return;
    w->setFocus(Qt::OtherFocusReason);
    // Selected again once the focus has settled, so a mouse click into the field does not undo
    // it; but not over keys typed in the meantime (a fast operator's next characters).
    if (auto* e = qobject_cast<QLineEdit*>(w); e && select_all) {
        e->selectAll();
        QTimer::singleShot(0, e, [e, before = e->text()] {
            if (e->hasFocus() && e->text() == before) e->selectAll();
        });
    }
}

void MainWindow::busy(bool on) {
    if (on) {
        ++busy_depth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busy_depth_ > 0) {
        --busy_depth_;
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::process_events() {
    QCoreApplication::processEvents();
}

void MainWindow::wait_events(int max_ms) {
    // Sleeps until an event comes (a timer's at the latest) instead of spinning.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(max_ms);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// A set of aspects runs the union of their steps, each once, in the order of the Step values
// (the order the whole window has always been refreshed in).
unsigned MainWindow::refresh_steps(Aspect what) {
    struct AspectSteps {
        Aspect aspect;
        unsigned steps;
    };
    static constexpr AspectSteps kAspectSteps[] = {
        {Aspect::EntryFields, kFieldsStep | kLabelsStep},
        {Aspect::LogList, kLogRowsStep | kListRowsSteps | kViewStep},
        {Aspect::FoundList, kFoundRowsStep | kViewStep},
        {Aspect::Panels, kPanelsStep},
        {Aspect::View, kViewStep},
        {Aspect::Clock, kFieldsStep | kViewStep},
        {Aspect::Selectors, kSelectorsStep},
        {Aspect::DatabaseLists, kDatabaseListsStep},
        {Aspect::Calling, kCallingStep},
        {Aspect::DatabasePanels, kDatabasePanelsStep},
        {Aspect::Report, kFieldsStep | kLabelsStep | kSelectorsStep | kReportRowsStep | kViewStep},
        {Aspect::DataSheet, kFieldsStep | kSelectorsStep | kViewStep},
        {Aspect::Vegyes, kLabelsStep | kSelectorsStep | kVegyesPageStep | kViewStep},
        {Aspect::Statistics, kVegyesPageStep | kViewStep},
        {Aspect::BackupList, kBackupRowsStep | kViewStep},
        {Aspect::Explanation, kLabelsStep},
    };
    unsigned steps = 0;
    for (const AspectSteps& a : kAspectSteps) {
        if (has_aspect(what, a.aspect)) steps |= a.steps;
    }
    return steps;
}

void MainWindow::refresh(Aspect what) {
    const unsigned steps = refresh_steps(what);
    refreshing_ = true;
    if (steps & kFieldsStep) refresh_fields();
    if (steps & kLabelsStep) refresh_labels();
    if (steps & kSelectorsStep) refresh_selectors();
    if (steps & kLogRowsStep) refresh_log_list();
    refresh_extra_lists(steps);
    if (steps & kDatabaseListsStep) refresh_database_lists();
    if ((steps & kDatabasePanelsStep) && database_panels_) database_panels_->refresh();
    if (steps & kPanelsStep) refresh_panels();
    if (steps & kCallingStep) refresh_calling();
    if (steps & kViewStep) refresh_view();
    refreshing_ = false;
}

void MainWindow::close_window() {
    close();
}

// --- refresh ----------------------------------------------------------------------------

void MainWindow::refresh_fields() {
    const LineLayout layout = layout_of(s_.contest());
    for (auto& [edit, i] : text_controls_) {
        const TextBinding& b = text_bindings()[i];
        // Each field holds no more than its column in the layout of the contest type. The cut is
        // the session's (bound_text), after the cleaning: Qt's maxLength would cut a paste first.
        const auto width = static_cast<int>(entry_max_length(layout, b.control));
        const int most = edit->inputMask().isEmpty() && width > 0 ? width : edit->maxLength();
        // A value a procedure set longer than that shows as far as it goes into the line.
        const QString value = qs(b.field(s_)).left(most);
        // A masked field reads back without its blanks; either form counts as the same value.
        if (edit->text() != value && edit->displayText() != value) {
            const int cursor = edit->cursorPosition();
            edit->setText(value);
            if (edit->hasFocus()) edit->setCursorPosition(std::min(cursor, static_cast<int>(value.size())));
        }
    }
}

void MainWindow::refresh_selectors() {
    for (auto& [box, i] : combo_controls_) {
        const Combo& c = combo_bindings()[i].field(s_);
        if (box->count() != c.size()) {
            box->clear();
            for (const Text& item : c.items) box->addItem(qs(item));
        } else {
            for (int k = 0; k < c.size(); ++k) {
                const QString item = qs(c.items[static_cast<std::size_t>(k)]);
                if (box->itemText(k) != item) box->setItemText(k, item);
            }
        }
        if (box->currentIndex() != c.list_index) box->setCurrentIndex(c.list_index);
    }
    for (auto& [box, i] : check_controls_) {
        const bool on = check_bindings()[i].field(s_);
        if (box->isChecked() != on) box->setChecked(on);
    }
    log_heading_->setText(qs(log_heading(layout_of(s_.contest()))));
}

void MainWindow::refresh_view() {
    if (const QString info = qs(status_line(s_)); status_info_->text() != info) status_info_->setText(info);
    s_.view.for_each([this](Control c, const ControlView& view) {
        QWidget* w = control(c);
        if (!w) return;
        // A panel is shown by the stack alone (s_.panel); a caption given to its frame must not
        // show it over the current one.
        const bool page = w->parentWidget() == stack_;
        if (!page && w->isVisibleTo(w->parentWidget()) != view.visible) w->setVisible(view.visible);
        if (w->isEnabled() != view.enabled) w->setEnabled(view.enabled);
        if (!view.caption.empty()) {
            if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(qs(view.caption));
            if (auto* l = qobject_cast<QLabel*>(w)) l->setText(qs(view.caption));
            if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(qs(view.caption));
        }
        QString css;
        if (view.fore != Color::Default) css += "color: " + css_color(view.fore) + ";";
        if (view.back != Color::Default) css += "background-color: " + css_color(view.back) + ";";
        if (w->styleSheet() != css) w->setStyleSheet(css);
    });
}

void MainWindow::refresh_panels() {
    if (stack_->currentIndex() != page_of(s_.panel)) stack_->setCurrentIndex(page_of(s_.panel));
}

void MainWindow::refresh_log_list() {
    log_model_->sync();
    QItemSelectionModel* sel = log_view_->selectionModel();
    QItemSelection selection;
    // One range per run of selected lines: a whole selected log is one range, not 99 999.
    for (std::size_t i = 0; i < s_.log_lista.size(); ++i) {
        if (!s_.log_lista.selected(i)) continue;
        std::size_t last = i;
        while (last + 1 < s_.log_lista.size() && s_.log_lista.selected(last + 1)) ++last;
        selection.select(log_model_->index(static_cast<int>(i)), log_model_->index(static_cast<int>(last)));
        i = last;
    }
    sel->select(selection, QItemSelectionModel::ClearAndSelect);
    if (s_.log_lista.list_index >= 0 && s_.log_lista.list_index < static_cast<long>(s_.log_lista.size())) {
        const QModelIndex current = log_model_->index(static_cast<int>(s_.log_lista.list_index));
        sel->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        log_view_->scrollTo(current);
    } else if (!s_.log_lista.empty()) {
        log_view_->scrollToBottom();
    }
}

void MainWindow::refresh_database_lists() {
    if (db_generation_ != s_.db.qra_sort_lista.generation()) {
        db_generation_ = s_.db.qra_sort_lista.generation();
        db_model_->reload();
    }
    const long current = s_.db.qra_sort_lista.current();
    if (current >= 0 && current < static_cast<long>(s_.db.qra_sort_lista.size())) {
        const QModelIndex idx = db_model_->index(static_cast<int>(current));
        db_view_->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
        db_view_->scrollTo(idx, QAbstractItemView::PositionAtTop);
    }
    locator_model_->sync();
    const long chosen = s_.db.qra_lista.first_selected();
    if (chosen >= 0) {
        locator_view_->selectionModel()->setCurrentIndex(locator_model_->index(static_cast<int>(chosen)),
                                                         QItemSelectionModel::ClearAndSelect);
    }
    if (auto* status = findChild<QLabel*>("ru_exchange_label")) status->setText(qs(s_.db.ru_exchange_status));
}

void MainWindow::connect_database_lists() {
    connect(findChild<QPushButton*>("qra_read_cmd"), &QPushButton::clicked, this,
            [this] { qra_read_cmd_Click(s_); });
    connect(findChild<QPushButton*>("qra_lista_cmd"), &QPushButton::clicked, this,
            [this] { qra_lista_cmd_Click(s_); });
    connect(locator_view_, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { qra_lista_DblClick(s_, i.row()); });
    connect(locator_view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (!refreshing_ && i.isValid())
                    s_.db.qra_lista.select_only(static_cast<std::size_t>(i.row()));
            });
}

// --- events -----------------------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == control(Control::iranyszog_text)) {
        iranyszog_text_GotFocus(s_);
    }
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->window() == this) logging_focus(w, static_cast<QFocusEvent*>(event));
    }
    if (event->type() == QEvent::KeyPress) {
        // The window sees each key once, at the widget that has the focus, before the widget does.
        auto* w = qobject_cast<QWidget*>(watched);
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (w == target && w->window() == this && !forwarding_key_) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (Form_KeyDown(s_, window_key(key))) return true;
            if (calling_key(w, static_cast<QKeyEvent*>(event))) return true;
            if (logging_key(w, static_cast<QKeyEvent*>(event))) return true;
            if (key == Qt::Key_Insert && w == control(Control::kapott_hivojel_text) &&
                database_insert_completion(s_)) {
                refresh(Aspect::EntryFields | Aspect::DatabaseLists);
                return true;
            }
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && w == locator_view_ &&
                qra_lista_enter(s_)) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        clock_timer_.stop();
        call_timer_.stop();
        Form_Unload(s_);
    }
    event->accept();
}

}  // namespace loxar
