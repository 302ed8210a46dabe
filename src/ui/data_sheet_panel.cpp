// The data-sheet panel: tagged header fields, date masks, category lists, remark and buttons.
#include "ui/data_sheet_panel.hpp"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <memory>

#include "session/data_sheet.hpp"
#include "session/startup.hpp"
#include "ui/multiline_sync.hpp"
#include "ui/panel_builder.hpp"
#include "ui/panels.hpp"
#include "ui/qt_text.hpp"

namespace loxar::ui {

namespace {

constexpr const char* kWiredProperty = "loxar_sheet_wired";
// Qt's mask: digits allowed, "_" shown where none is typed (the core's empty date).
const QString kDateMask = QStringLiteral("0000-00-00;_");
// Label indexes below this stand in the left column (contest and station), the rest in the middle.
constexpr int kFirstOperatorTag = 10;

int width_of(const SheetField& f) {
    if (f.label_index == 1) return 10;
    if (f.label_index == 25) return 6;
    return 26;
}

QWidget* categories_frame(QWidget* parent) {
    QGroupBox* g = frame(parent, "kategoria_keret", QStringLiteral("Kategóriák"));
    auto* col = new QVBoxLayout(g);
    QGroupBox* cabrillo = frame(g, "cabrillo_keret", QStringLiteral("CABRILLO V3.0 "));
    auto* cabrillo_grid = new QGridLayout(cabrillo);
    auto* other_grid = new QGridLayout;
    int cabrillo_row = 0, other_row = 0;
    for (const CategoryList& list : category_lists()) {
        const bool is_cabrillo = Text(list.control).starts_with("hadx_");
        QWidget* owner = is_cabrillo ? static_cast<QWidget*>(cabrillo) : g;
        QGridLayout* grid = is_cabrillo ? cabrillo_grid : other_grid;
        int& row = is_cabrillo ? cabrillo_row : other_row;
        Text name = list.control;
        name.replace(name.size() - 6, 6, "_label");  // hadx_band_combo -> hadx_band_label
        grid->addWidget(label(owner, name.c_str(), QString::fromUtf8(list.caption)), row, 0);
        grid->addWidget(combo(owner, list.control), row++, 1);
    }
    col->addWidget(cabrillo);
    col->addLayout(other_grid);
    col->addStretch(1);
    return g;
}

// Rewrites typed characters by the field's filter, refuses those it does not take; shows the remark
// when the panel appears.
class SheetEvents : public QObject {
public:
    SheetEvents(QObject* parent, Ui& ui, std::function<void()> on_show)
        : QObject(parent), ui_(ui), on_show_(std::move(on_show)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) on_show_();
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        if (key->text().size() != 1) return false;
        const Text typed = cp(key->text());
        if (typed.size() != 1) return false;
        const Text name = watched->objectName().toStdString();
        const char filtered = adatlap_key_filter(name, typed[0]);
        if (filtered == typed[0]) return false;
        if (filtered == '\0') {
            ui_.beep();
            return true;
        }
        // The rewritten key goes the normal way (selection, undo); the filter leaves it as it is.
        QKeyEvent replacement(QEvent::KeyPress, key->key(), key->modifiers(), qs(Text(1, filtered)),
                              key->isAutoRepeat(), static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(watched, &replacement);
        return true;
    }

private:
    Ui& ui_;
    std::function<void()> on_show_;
};

}  // namespace

QWidget* build_adatlap_panel(QWidget* parent) {
    QGroupBox* g = frame(parent, "adatlap_keret", QStringLiteral("Adatlap"));
    auto* col = new QVBoxLayout(g);
    col->addWidget(label(g, "adatlap_tipp_label",
                         QStringLiteral("Sávonként egyszer kell kitölteni, később csak a verseny nevét "
                                        "és a dátumokat kell átírni.")));

    auto* body = new QHBoxLayout;
    QGridLayout* grids[2] = {new QGridLayout, new QGridLayout};
    int rows[2] = {0, 0};
    for (int tag = 0; tag < kSheetTagCount; ++tag) {
        const int side = tag < kFirstOperatorTag ? 0 : 1;
        auto* editors = new QHBoxLayout;
        QString tooltip;
        for (const SheetField& f : sheet_fields()) {
            if (f.label_index != tag) continue;
            QLineEdit* e = line_edit(g, f.control, width_of(f), QString::fromUtf8(f.tooltip));
            if (f.label_index == 1) e->setInputMask(kDateMask);
            if (tooltip.isEmpty()) tooltip = e->toolTip();
            editors->addWidget(e);
        }
        editors->addStretch(1);
        const std::string label_name = "adatlap_label_" + std::to_string(tag);
        QLabel* l = label(g, label_name.c_str(), qs(sheet_tag(tag)));
        l->setToolTip(tooltip);
        grids[side]->addWidget(l, rows[side], 0);
        grids[side]->addLayout(editors, rows[side]++, 1);
    }
    for (QGridLayout* grid : grids) {
        // Sixteen rows in the middle column: at the style's spacing they alone made the window
        // too tall for a laptop screen under a title bar and a desktop panel.
        grid->setVerticalSpacing(2);
        grid->setRowStretch(grid->rowCount(), 1);
        body->addLayout(grid);
    }
    body->addWidget(categories_frame(g));
    col->addLayout(body, 1);

    auto* remark_row = new QHBoxLayout;
    remark_row->addWidget(label(g, "megjegyzes_label", QStringLiteral("Megj:")), 0, Qt::AlignTop);
    auto* remark = new QPlainTextEdit(g);
    remark->setObjectName("megjegyzes_text");
    remark->setToolTip(QStringLiteral("Megjegyzés: a Cabrillo jegyzőkönyv SOAPBOX soraiba kerül"));
    remark->setMaximumHeight(90);
    remark_row->addWidget(remark, 1);
    remark_row->addWidget(
        button(g, "megjegyzes_torles_cmd", QStringLiteral("Radir"), QStringLiteral("A megjegyzés törlése")),
        0, Qt::AlignTop);
    col->addLayout(remark_row);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(g, "frissites_cmd", QStringLiteral("Frissítés"),
                              QStringLiteral("Saját adatok és a LOG dátumai az adatlapra")));
    buttons->addWidget(
        button(g, "data_erase_cmd", QStringLiteral("Törlés"), QStringLiteral("Az adatlap törlése")));
    buttons->addWidget(button(g, "data_save_cmd", QStringLiteral("Adatlap_mentés"),
                              QStringLiteral("Az adatlap mentése .hdr file-ba")));
    buttons->addWidget(button(g, "data_load_cmd", QStringLiteral("Adatlap beolvasás"),
                              QStringLiteral("Adatlap beolvasása .hdr file-ból")));
    buttons->addStretch(1);
    col->addLayout(buttons);
    return g;
}

void wire_data_sheet_panel(QWidget* panel, Session& s, Ui& ui, std::function<void()> refresh_window) {
    if (!panel || panel->property(kWiredProperty).toBool()) return;
    panel->setProperty(kWiredProperty, true);

    auto remark = std::make_shared<MultiLineSync>(panel->findChild<QPlainTextEdit*>("megjegyzes_text"),
                                                  &s.sheet.megjegyzes_text);
    auto show_remark = [remark] { remark->show(); };

    auto on_click = [&](const char* name, void (*procedure)(Session&)) {
        auto* b = panel->findChild<QPushButton*>(name);
        if (!b) return;
        QObject::connect(b, &QPushButton::clicked, panel, [&s, procedure, refresh_window, show_remark] {
            procedure(s);
            show_remark();
            if (refresh_window) refresh_window();
        });
    };
    on_click("data_erase_cmd", data_erase_cmd_Click);
    on_click("data_save_cmd", data_save_cmd_Click);
    on_click("data_load_cmd", data_load_cmd_Click);
    on_click("megjegyzes_torles_cmd", megjegyzes_torles_cmd_Click);

    auto* events = new SheetEvents(panel, ui, show_remark);
    panel->installEventFilter(events);
    for (const SheetField& f : sheet_fields()) {
        auto* e = panel->findChild<QLineEdit*>(f.control);
        if (!e) continue;
        e->installEventFilter(events);
        if (f.label_index != 1) continue;
        // A date field holds what it shows: "____-__-__" when empty, as the sheet file stores it.
        const auto member = f.member;
        auto keep_shown = [&s, e, member] { s.sheet.*member = cp(e->displayText()); };
        QObject::connect(e, &QLineEdit::textEdited, panel, keep_shown);
        QObject::connect(e, &QLineEdit::textChanged, panel, keep_shown);
    }
    show_remark();
}

}  // namespace loxar::ui
