// Main window, calling side: the calling panel's buttons, message lists and keys, the 100 ms
// call timer and the keying box's lamp.
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

#include "session/calling.hpp"
#include "session/keying_box.hpp"
#include "session/rig_control.hpp"
#include "station/box_protocol.hpp"
#include "ui/bindings.hpp"
#include "ui/main_window.hpp"
#include "ui/qt_text.hpp"
#include "ui/text_list_model.hpp"

namespace loxar {

namespace {

// Controls the call timer's refresh brings up to date; the rest of the window is left alone.
bool calling_control(Control c) {
    static constexpr Control kControls[] = {Control::hivas_cw_text,
                                            Control::usb_valasz_text,
                                            Control::ID_text,
                                            Control::erosito_combo_0,
                                            Control::erosito_combo_1,
                                            Control::erosito_combo_2,
                                            Control::wpm_combo,
                                            Control::ismetles_combo,
                                            Control::kesleltetes_combo,
                                            Control::ROGER_combo,
                                            Control::billentyuzo_port_combo,
                                            Control::bal_kez_check,
                                            Control::monitor_check,
                                            Control::elkey_check};
    return std::find(std::begin(kControls), std::end(kControls), c) != std::end(kControls);
}

constexpr int kSettingsTab = 1;

Qt::CheckState check_state(Tristate t) {
    switch (t) {
        case Tristate::Ticked: return Qt::Checked;
        case Tristate::Grey: return Qt::PartiallyChecked;
        case Tristate::Clear: break;
    }
    return Qt::Unchecked;
}

// What the calling panel's buttons change: the panel, and the entry fields a message may fill.
constexpr Aspect kCallingButtons = Aspect::Calling | Aspect::EntryFields | Aspect::Selectors | Aspect::View;

}  // namespace

void MainWindow::connect_calling() {
    on_click("hivas_cmd", kCallingButtons, [this] { hivas_cmd_Click(s_); });
    on_click("cancel_cmd", kCallingButtons, [this] { cancel_cmd_Click(s_); });
    on_click("hivas_test_cmd", kCallingButtons, [this] { hivas_test_cmd_Click(s_); });
    on_click("sio_open_cmd", kCallingButtons, [this] { sio_open_cmd_Click(s_); });
    on_click("sio_close_cmd", kCallingButtons, [this] { sio_close_cmd_Click(s_); });
    on_click("ID_cmd", kCallingButtons, [this] { ID_cmd_Click(s_); });
    on_click("rig_alkalmaz_cmd", kCallingButtons, [this] { rig_alkalmaz_cmd_Click(s_); });
    on_click("erosito_cmd", kCallingButtons, [this] { analog_frissites(s_); });
    for (int i = 0; i < 4; ++i) {
        on_click(("EPROM_cmd_" + std::to_string(i)).c_str(), kCallingButtons,
                 [this, i] { EPROM_cmd_Click(s_, i); });
    }
    for (short i = 0; i < 2; ++i) {
        const std::string n = "_" + std::to_string(i);
        on_click(("hivas_hozzaad_cmd" + n).c_str(), kCallingButtons,
                 [this, i] { hivas_hozzaadas_rutin(s_, i); });
        on_click(("hivas_mentes_cmd" + n).c_str(), kCallingButtons, [this, i] { hivas_mentes_rutin(s_, i); });
        on_click(("hivas_beolvasas_cmd" + n).c_str(), kCallingButtons,
                 [this, i] { hivas_beolvasas_cmd_Click(s_, i); });
        auto* list = findChild<QListView*>(QString::fromStdString("hivas_lista" + n));
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, i](const QModelIndex& at) {
                    if (refreshing_ || !at.isValid()) return;
                    ListBox& l = s_.keyer.hivas_lista[static_cast<std::size_t>(i)];
                    l.select_only(static_cast<std::size_t>(at.row()));
                    l.list_index = at.row();
                });
        connect(list, &QListView::doubleClicked, this, [this, i] {
            hivas_lista_DblClick(s_, i);
            refresh(Aspect::Calling);
        });
        auto* radio = findChild<QRadioButton*>(QString::fromStdString("hivas_valaszto" + n));
        connect(radio, &QRadioButton::toggled, this, [this, i](bool on) {
            if (refreshing_ || !on) return;
            s_.keyer.hivas_valaszto = i;
            refresh_calling();
        });
    }
    auto* repeat = findChild<QCheckBox*>("ismetles_check");
    connect(repeat, &QCheckBox::stateChanged, this, [this](int state) {
        if (refreshing_) return;
        s_.keyer.ismetles_check = state == Qt::Checked            ? Tristate::Ticked
                                  : state == Qt::PartiallyChecked ? Tristate::Grey
                                                                  : Tristate::Clear;
    });
    // The gains shown are the box's own when its settings are looked at.
    connect(findChild<QTabWidget*>("hivas_tabok"), &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == kSettingsTab) analog_frissites(s_);
    });
    connect(&call_timer_, &QTimer::timeout, this, &MainWindow::call_tick);
    box_status_ = new QLabel(this);
    box_status_->setObjectName("billentyuzo_allapot");
    statusBar()->addPermanentWidget(box_status_);
}

void MainWindow::call_tick() {
    call_vekker_Timer(s_);
}

bool MainWindow::calling_key(QWidget* w, QKeyEvent* e) {
    const QString name = w->objectName();
    if (name == QLatin1String("hivas_cw_text") && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        hivas_hozzaadas_rutin(s_, 1);
        refresh(Aspect::Calling);
        return true;
    }
    for (short i = 0; i < 2; ++i) {
        if (e->key() == Qt::Key_Delete && name == QStringLiteral("hivas_lista_%1").arg(i)) {
            hivas_lista_torles(s_, i);
            refresh(Aspect::Calling);
            return true;
        }
    }
    return false;
}

void MainWindow::refresh_calling() {
    const bool was = refreshing_;
    refreshing_ = true;
    for (auto& [edit, i] : text_controls_) {
        const TextBinding& b = text_bindings()[i];
        if (!calling_control(b.control)) continue;
        const QString value = qs(b.field(s_));
        if (edit->text() != value) edit->setText(value);
    }
    for (auto& [box, i] : combo_controls_) {
        const ComboBinding& b = combo_bindings()[i];
        if (!calling_control(b.control)) continue;
        const Combo& c = b.field(s_);
        if (box->count() != c.size()) {
            box->clear();
            for (const Text& item : c.items) box->addItem(qs(item));
        }
        if (box->currentIndex() != c.list_index) box->setCurrentIndex(c.list_index);
    }
    for (auto& [box, i] : check_controls_) {
        const CheckBinding& b = check_bindings()[i];
        if (calling_control(b.control) && box->isChecked() != b.field(s_)) box->setChecked(b.field(s_));
    }
    if (auto* repeat = findChild<QCheckBox*>("ismetles_check")) {
        const Qt::CheckState state = check_state(s_.keyer.ismetles_check);
        if (repeat->checkState() != state) repeat->setCheckState(state);
    }
    for (std::size_t i = 0; i < extra_lists_.size(); ++i) {
        const Control name = list_bindings()[i].control;
        if (name == Control::hivas_lista_0 || name == Control::hivas_lista_1 ||
            name == Control::EPROM_lista) {
            reload_extra_list(i);
        }
    }
    const int shown = s_.keyer.hivas_valaszto == 0 ? 0 : 1;
    if (auto* pages = findChild<QStackedWidget*>("hivas_lista_lap")) pages->setCurrentIndex(shown);
    if (auto* radio = findChild<QRadioButton*>(QStringLiteral("hivas_valaszto_%1").arg(shown))) {
        if (!radio->isChecked()) radio->setChecked(true);
    }
    if (box_status_) box_status_->setText(qs(box_lamp_text(s_.keyer.lamp)));
    refresh_view();
    refreshing_ = was;
}

}  // namespace loxar
