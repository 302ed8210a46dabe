// The callsign-list frame and the summary panel: controls, keys and lists.
#include "ui/database_panels.hpp"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "session/qra_panel.hpp"
#include "session/summary_viewer.hpp"
#include "ui/field_text.hpp"
#include "ui/panel_builder.hpp"
#include "ui/qt_text.hpp"
#include "ui/text_list_model.hpp"

namespace loxar {

namespace {

const char* const kButtonCaptions[] = {"Mentés",   "Beolvasás", "LOG feldolgozás",
                                       "Új lista", "Felülírás", "Hozzáadás"};

// The one cp1250 character a key types ('\r' for Enter); 0 for keys that type none.
char typed_char(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return '\r';
    const Text t = cp(e->text());
    return t.size() == 1 && static_cast<unsigned char>(t[0]) >= 0x20 ? t[0] : 0;
}

}  // namespace

namespace ui {

QWidget* build_hivojel_lista_frame(QWidget* parent) {
    QGroupBox* g = frame(parent, "hivojel_lista_keret", QStringLiteral("Hívójel lista"));
    auto* col = new QVBoxLayout(g);
    auto* fields = new QHBoxLayout;
    auto add = [&](const char* caption, QWidget* w) {
        auto* pair = new QVBoxLayout;
        pair->addWidget(label(g, nullptr, QString::fromUtf8(caption)));
        pair->addWidget(w);
        fields->addLayout(pair);
    };
    add("Hívójel", line_edit(g, "lista_hivojel_text", 12));
    for (int k = 0; k < 4; ++k) {
        const std::string name = "lista_qra_text_" + std::to_string(k);
        add(("QRA" + std::to_string(k + 1)).c_str(),
            line_edit(g, name.c_str(), 6, QStringLiteral("< és > a lokátorokat körbe forgatja")));
    }
    add("Név", line_edit(g, "lista_nev_text", 14));
    add("QTH", line_edit(g, "lista_qth_text", 18));
    add("Exch", line_edit(g, "lista_exch_text", 4));
    add("NMARK", combo(g, "nmark_combo"));
    add("HADXC", line_edit(g, "lista_hadxc_text", 4));
    fields->addStretch(1);
    col->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        const std::string name = "hivojel_lista_cmd_" + std::to_string(i);
        buttons->addWidget(button(g, name.c_str(), QString::fromUtf8(kButtonCaptions[i])));
    }
    buttons->addStretch(1);
    col->addLayout(buttons);
    QLabel* heading = label(g, "hivojel_qra_lista_label", qs(qra_list_heading()));
    heading->setFont(mono_font());
    col->addWidget(heading);
    QListView* list = mono_list(g, "hivojel_qra_lista");
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setToolTip(QStringLiteral("Dupla kattintás: szerkesztés, <SHIFT><DEL>: törlés"));
    col->addWidget(list, 1);
    return g;
}

}  // namespace ui

DatabasePanels::DatabasePanels(QWidget* window, Session& s, std::function<void()> refresh_window)
    : QObject(window), window_(window), s_(s), refresh_window_(std::move(refresh_window)) {
    QraListPanel& p = s_.db.qra_list_panel;
    for (Control c : kQraEntryControls) {
        const std::string_view name = control_name(c);
        const QString qname = QString::fromLatin1(name.data(), static_cast<int>(name.size()));
        if (auto* e = window_->findChild<QLineEdit*>(qname)) bind_field(e, qra_entry_field(s_, c), c);
    }
    bind_field(window_->findChild<QLineEdit*>("kereses_text"), &s_.db.summary_panel.kereses_text,
               Control::kereses_text);
    nmark_ = window_->findChild<QComboBox*>("nmark_combo");
    nmark_->installEventFilter(this);
    connect(nmark_, &QComboBox::activated, this, [this](int i) { s_.db.qra_list_panel.nmark_combo.set(i); });
    for (const char* name : {"qso1_test", "qso2_test"}) {
        auto* e = window_->findChild<QLineEdit*>(name);
        e->setReadOnly(true);
        e->setFont(ui::mono_font());
    }

    for (int i = 0; i < 6; ++i) {
        auto* b = window_->findChild<QPushButton*>(QStringLiteral("hivojel_lista_cmd_%1").arg(i));
        connect(b, &QPushButton::clicked, this, [this, i] {
            hivojel_lista_cmd_Click(s_, i);
            refresh();
        });
    }
    connect(window_->findChild<QLineEdit*>("lista_hivojel_text"), &QLineEdit::textEdited, this,
            [this] { lista_hivojel_text_Change(s_); });
    connect(window_->findChild<QPushButton*>("osszesito_beolvasas_cmd"), &QPushButton::clicked, this, [this] {
        osszesito_beolvasas_cmd_Click(s_);
        refresh();
    });
    connect(window_->findChild<QPushButton*>("osszesito_kereses_cmd"), &QPushButton::clicked, this, [this] {
        osszesito_kereso_rutin(s_);
        refresh();
    });

    qra_view_ = window_->findChild<QListView*>("hivojel_qra_lista");
    bind_list(qra_view_, qra_model_, p.hivojel_qra_lista);
    qra_view_->installEventFilter(this);
    connect(qra_view_, &QListView::doubleClicked, this, [this](const QModelIndex& i) {
        hivojel_qra_lista_DblClick(s_, i.row());
        refresh();
    });
    summary_view_ = window_->findChild<QListView*>("osszesito_lista");
    bind_list(summary_view_, summary_model_, s_.db.summary_panel.osszesito_lista);
    connect(summary_view_, &QListView::doubleClicked, this, [this](const QModelIndex& i) {
        osszesito_lista_DblClick(s_, i.row());
        refresh();
    });
}

void DatabasePanels::bind_field(QLineEdit* e, Text* value, Control control) {
    e->installEventFilter(this);
    const std::size_t width = qra_entry_width(control);
    fields_.push_back({e, value, width});
    const FieldKind kind = qra_entry_kind(control);
    // Typed, pasted or set: the session takes the field's characters only, cleaned before they are
    // cut to the record's width (Qt's maxLength would cut a paste first).
    auto store = [this, e, value, kind, width](const QString& t) {
        if (refreshing_ || t != e->text()) return;
        const FilteredText clean = edit_text(kind, *value, cp(t), width);
        *value = clean.text;
        if (clean.refused) QApplication::beep();
        show_cleaned(e, t, qs(clean.text));
    };
    connect(e, &QLineEdit::textEdited, this, store);
    connect(e, &QLineEdit::textChanged, this, store);
}

void DatabasePanels::bind_list(QListView* view, TextListModel*& model, ListBox& list) {
    model = new TextListModel([&list]() -> const ListBox& { return list; }, this);
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, view, &list] {
        if (refreshing_) return;
        for (std::size_t i = 0; i < list.size(); ++i) list.select(i, false);
        for (const QModelIndex& r : view->selectionModel()->selectedRows())
            list.select(static_cast<std::size_t>(r.row()), true);
        list.list_index = view->currentIndex().row();
    });
}

void DatabasePanels::show_list(QListView* view, TextListModel* model, const ListBox& list) {
    model->sync();
    QItemSelection selection;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list.selected(i)) continue;
        std::size_t last = i;
        while (last + 1 < list.size() && list.selected(last + 1)) ++last;
        selection.select(model->index(static_cast<int>(i)), model->index(static_cast<int>(last)));
        i = last;
    }
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (list.list_index >= 0 && list.list_index < static_cast<long>(list.size())) {
        const QModelIndex current = model->index(static_cast<int>(list.list_index));
        view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        view->scrollTo(current);
    }
}

void DatabasePanels::refresh() {
    refreshing_ = true;
    for (const Field& f : fields_) {
        // A value set longer than its column shows as far as the record keeps it.
        const QString v = qs(f.width > 0 ? Text(col(*f.value, 1, f.width)) : *f.value);
        if (f.edit->text() != v) f.edit->setText(v);
    }
    const Combo& nmark = s_.db.qra_list_panel.nmark_combo;
    if (nmark_->count() != nmark.size()) {
        nmark_->clear();
        for (const Text& item : nmark.items) nmark_->addItem(qs(item));
    }
    if (nmark_->currentIndex() != nmark.list_index) nmark_->setCurrentIndex(nmark.list_index);
    for (const auto& [name, value] : {std::pair{"qso1_test", &s_.db.summary_panel.qso1_test},
                                      std::pair{"qso2_test", &s_.db.summary_panel.qso2_test}}) {
        auto* e = window_->findChild<QLineEdit*>(name);
        if (e->text() != qs(*value)) e->setText(qs(*value));
    }
    show_list(qra_view_, qra_model_, s_.db.qra_list_panel.hivojel_qra_lista);
    show_list(summary_view_, summary_model_, s_.db.summary_panel.osszesito_lista);
    refreshing_ = false;
}

bool DatabasePanels::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w) return false;
    const std::optional<Control> name = find_control(w->objectName().toStdString());
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (name == Control::kereses_text) {
                s_.db.summary_panel.kereses_text = trim(s_.db.summary_panel.kereses_text);
            } else if (name) {
                qra_entry_left(s_, *name);
            }
            refresh();
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (w == qra_view_) {
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ShiftModifier) {
            hivojel_qra_lista_shift_delete(s_);
            refresh();
            return true;
        }
        return false;
    }
    const char original = typed_char(key);
    if (original == 0) return false;
    char c = original;
    const bool handled =
        name == Control::kereses_text ? kereses_text_key(s_, c) : name && qra_entry_key(s_, *name, c);
    if (handled) {
        refresh_window_();
        return true;
    }
    if (w == nmark_ || c == original) return false;
    if (c == '\0') {
        QApplication::beep();
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->insert(qs(Text(1, c)));  // the field takes the filtered character as if it had been typed
    }
    return true;
}

}  // namespace loxar
