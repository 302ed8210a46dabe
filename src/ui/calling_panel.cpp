// The calling panel of the log page: messages and the call button on one tab, the keying box's
// port, settings and EPROM on the others, so the log page stays compact.
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/panel_builder.hpp"
#include "ui/panels.hpp"

namespace loxar::ui {

namespace {

// Rows of a message list shown at once; the other rows scroll.
constexpr int kListRows = 4;

// A read-only line for the box's replies: a new text would leave its end in view, but the
// status line is read from its start (speed, characters still to send).
void show_from_start(QLineEdit* shown) {
    shown->setReadOnly(true);
    QObject::connect(shown, &QLineEdit::textChanged, shown, [shown] { shown->setCursorPosition(0); });
}

QListView* message_list(QWidget* parent, const char* name) {
    QListView* list = mono_list(parent, name);
    list->setFixedHeight(list->fontMetrics().height() * kListRows + 6);
    list->setToolTip(QStringLiteral("F1-F12 indítja; Delete törli, dupla kattintás szerkeszti"));
    return list;
}

// Shows a hint over the place of a frame while the frame is hidden, so its tab never stands
// empty; the frame's place is kept, so that choosing a mode moves nothing beside or below. The
// page is watched too: a frame hidden before the window first shows gets no event of its own.
class HintInPlaceOf : public QObject {
public:
    HintInPlaceOf(QWidget* page, QWidget* frame, QWidget* hint)
        : QObject(frame), page_(page), frame_(frame), hint_(hint) {
        QSizePolicy keep = frame->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(keep);
        page->installEventFilter(this);
        frame->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) hint_->setGeometry(page_->rect());
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            hint_->setHidden(!frame_->isHidden());
            hint_->raise();
        }
        return false;
    }

private:
    QWidget* page_;
    QWidget* frame_;
    QWidget* hint_;
};

// One list with its buttons: index 0 voice, 1 CW.
QWidget* message_page(QWidget* parent, int index) {
    auto* page = new QWidget(parent);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);
    const std::string n = "_" + std::to_string(index);
    row->addWidget(message_list(page, ("hivas_lista" + n).c_str()), 1);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(button(page, ("hivas_hozzaad_cmd" + n).c_str(), QStringLiteral("Hozzáad"),
                              index == 1 ? QStringLiteral("A begépelt szöveg a kijelölt helyre (Enter)")
                                         : QStringLiteral("WAV file a kijelölt helyre")),
                       0, 0);
    buttons->addWidget(button(page, ("hivas_mentes_cmd" + n).c_str(), QStringLiteral("Mentés"),
                              QStringLiteral("Az üzenetek mentése file-ba")),
                       0, 1);
    buttons->addWidget(button(page, ("hivas_beolvasas_cmd" + n).c_str(), QStringLiteral("Beolvasás"),
                              QStringLiteral("Üzenetek beolvasása file-ból")),
                       1, 0);
    if (index == 0) {
        buttons->addWidget(button(page, "hivas_test_cmd", QStringLiteral("Test"),
                                  QStringLiteral("Lejátssza a kijelölt hangüzenetet adás nélkül")),
                           1, 1);
    }
    buttons->setRowStretch(2, 1);
    row->addLayout(buttons);
    return page;
}

QWidget* call_page(QWidget* parent) {
    // The frame is hidden and shown by the mode, so it sits inside the tab's page rather than being it.
    auto* page = new QWidget(parent);
    auto* page_layout = new QVBoxLayout(page);
    page_layout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* g = frame(page, "log_hivas_keret", QString());
    page_layout->addWidget(g);
    QLabel* hint =
        label(page, "hivas_mod_tipp",
              QStringLiteral("Az üzenetek és az automatikus hívás a „Mód” kiválasztása után jelennek meg."));
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    new HintInPlaceOf(page, g, hint);
    g->setFlat(true);
    auto* col = new QVBoxLayout(g);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(2);

    auto* top = new QHBoxLayout;
    top->addWidget(
        button(g, "hivas_cmd", QStringLiteral("Hívás &Indítás"), QStringLiteral("Automatikus hívás")));
    QCheckBox* repeat = check(g, "ismetles_check", QStringLiteral("Ismétlés"));
    repeat->setTristate(true);
    repeat->setToolTip(
        QStringLiteral("Szürke: CW-ben a hívás gombbal indított hívás a gomb újabb megnyomásáig tart"));
    top->addWidget(repeat);
    top->addWidget(combo(g, "ismetles_combo", QStringLiteral("Szünet az ismétlések között")));
    top->addWidget(button(g, "cancel_cmd", QStringLiteral("Stop (Esc)"), QStringLiteral("Adás leállítása")));
    auto* pick = new QWidget(g);
    auto* pick_row = new QHBoxLayout(pick);
    pick_row->setContentsMargins(6, 0, 0, 0);
    auto* cw = new QRadioButton(QStringLiteral("CW"), pick);
    cw->setObjectName("hivas_valaszto_1");
    auto* voice = new QRadioButton(QStringLiteral("Hang"), pick);
    voice->setObjectName("hivas_valaszto_0");
    pick_row->addWidget(cw);
    pick_row->addWidget(voice);
    top->addWidget(pick);
    QLabel* poll = label(g, "kerdezo_label", QStringLiteral(" "));
    poll->setFixedSize(16, 16);
    poll->setAlignment(Qt::AlignCenter);
    poll->setToolTip(QStringLiteral("Lekérdezés: piros küld, fekete válasz jött, bíbor EPROM"));
    top->addWidget(poll);
    top->addWidget(label(g, "usb_valasz_label", QStringLiteral("Válasz:")));
    QLineEdit* reply = line_edit(g, "usb_valasz_text", 16, QStringLiteral("A billenyüző állapota"));
    show_from_start(reply);
    reply->setFocusPolicy(Qt::NoFocus);
    reply->setFont(mono_font());
    top->addWidget(reply, 1);
    col->addLayout(top);

    auto* pages = new QStackedWidget(g);
    pages->setObjectName("hivas_lista_lap");
    pages->addWidget(message_page(pages, 0));
    QWidget* cw_page = message_page(pages, 1);
    pages->addWidget(cw_page);
    col->addWidget(pages);

    auto* typed = new QHBoxLayout;
    typed->addWidget(line_edit(g, "hivas_cw_text", 40, QStringLiteral("CW üzenet; Enter: a kijelölt helyre")),
                     1);
    QLabel* macros =
        label(g, "hivas_makro_label", QStringLiteral("<H>, <M>, <R>, <r>, <N>,  <n>, <Q>, <T>, <A>, <"));
    macros->setTextFormat(Qt::PlainText);
    macros->setToolTip(
        QStringLiteral("<H> kapott hívójel, <M> saját hívójel, <R>/<r> riport, <N>/<n> sorszám, "
                       "<Q> QRA, <T> QTH, <A> kezelő"));
    // Shown whole: the typed text's field gives way instead.
    macros->setMinimumWidth(macros->sizeHint().width());
    typed->addWidget(macros);
    col->addLayout(typed);
    return page;
}

QWidget* settings_page(QWidget* parent) {
    auto [page, grid] = tab_page(parent, "beallitas_lap");
    int c = 0;
    auto pair = [&](int row, QWidget* caption, QWidget* field) {
        grid->addWidget(caption, row, c++);
        grid->addWidget(field, row, c++);
    };
    pair(0, label(page, "billentyuzo_port_label", QStringLiteral("Port:")),
         combo(page, "billentyuzo_port_combo",
               QStringLiteral("Az aktualizáláshoz újra kell indítani a programot!")));
    auto* port_row = new QHBoxLayout;
    QLabel* lamp = label(page, "billentyuzo_lampa", QString());
    lamp->setFixedSize(16, 16);
    lamp->setAutoFillBackground(true);
    lamp->setToolTip(
        QStringLiteral("Zöld: a billentyűző válaszol; sárga: válaszra vár; piros: nem válaszol; "
                       "szürke: nincs megnyitva"));
    port_row->addWidget(lamp);
    port_row->addWidget(button(page, "sio_open_cmd", QStringLiteral("Megnyitás")));
    port_row->addWidget(button(page, "sio_close_cmd", QStringLiteral("Bezárás")));
    port_row->addWidget(
        button(page, "ID_cmd", QStringLiteral("ID"), QStringLiteral("A billentyűző azonosítója")));
    QLineEdit* id = line_edit(page, "ID_text", 16);
    show_from_start(id);
    port_row->addWidget(id, 1);
    grid->addLayout(port_row, 0, c, 1, 5);

    c = 0;
    pair(1, label(page, "wpm_label", QStringLiteral("Sebesség:")),
         combo(page, "wpm_combo", QStringLiteral("PgUp/PgDn")));
    pair(1, label(page, "kesleltetes_label", QStringLiteral("Késleltetés:")),
         combo(page, "kesleltetes_combo"));
    pair(1, label(page, "ROGER_label", QStringLiteral("Roger jel:")), combo(page, "ROGER_combo"));

    c = 0;
    pair(2, label(page, "erosito_label_0", QStringLiteral("Mikrofon:")), combo(page, "erosito_combo_0"));
    pair(2, label(page, "erosito_label_1", QStringLiteral("PC hang:")), combo(page, "erosito_combo_1"));
    pair(2, label(page, "erosito_label_2", QStringLiteral("ROGER:")), combo(page, "erosito_combo_2"));
    grid->addWidget(button(page, "erosito_cmd", QStringLiteral("Frissítés"),
                           QStringLiteral("Az erősítések a billentyűző válaszából")),
                    2, c++);

    auto* checks = new QHBoxLayout;
    checks->addWidget(check(page, "bal_kez_check", QStringLiteral("Bal kéz")));
    checks->addWidget(check(page, "monitor_check", QStringLiteral("Monitor")));
    checks->addWidget(check(page, "elkey_check", QStringLiteral("&Elkey")));
    checks->addStretch(1);
    grid->addLayout(checks, 3, 0, 1, 7);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(7, 1);
    return page;
}

QWidget* eprom_page(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 2, 4, 2);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    const QString captions[] = {QStringLiteral("EPROM irás"), QStringLiteral("EPROM olvasás"),
                                QStringLiteral("Adat frissités"), QStringLiteral("EPROM törlés")};
    for (int i = 0; i < 4; ++i) {
        const std::string name = "EPROM_cmd_" + std::to_string(i);
        buttons->addWidget(button(page, name.c_str(), captions[i]), i / 2, i % 2);
    }
    buttons->setRowStretch(2, 1);
    row->addLayout(buttons);
    QListView* list = mono_list(page, "EPROM_lista");
    list->setToolTip(QStringLiteral("A billentyűző EPROM-ja: beállítások és a négy CW üzenet"));
    row->addWidget(list, 1);
    return page;
}

}  // namespace

QWidget* build_calling_panel(QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName("hivas_tabok");
    tabs->setDocumentMode(true);
    tabs->addTab(call_page(tabs), QStringLiteral("Hívás"));
    tabs->addTab(settings_page(tabs), QStringLiteral("Billentyűző"));
    tabs->addTab(build_rig_page(tabs), QStringLiteral("Rig"));
    tabs->addTab(eprom_page(tabs), QStringLiteral("EPROM"));
    return tabs;
}

}  // namespace loxar::ui
