// The log panel: own station, the calling panel, the QSO entry fields and the log list.
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/panel_builder.hpp"
#include "ui/panels.hpp"

namespace loxar::ui {

namespace {

QWidget* own_station_frame(QWidget* parent) {
    QGroupBox* g = frame(parent, "sajat_keret", QStringLiteral("Saját adatok"));
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    // Two caption-field pairs a row: the frame is about as tall as the calling panel beside it
    // and leaves that panel the width, so neither has a gap nor a cut text.
    int n = 0;
    auto add = [&](const char* label_name, const QString& caption, QWidget* w) {
        grid->addWidget(label(g, label_name, caption), n / 2, (n % 2) * 2);
        grid->addWidget(w, n / 2, (n % 2) * 2 + 1);
        ++n;
    };
    add("hivojel_label", QStringLiteral("Hívójel"), line_edit(g, "hivojel_text", 9));
    add("QRA_label", QStringLiteral("QRA"), line_edit(g, "QRA_text", 6));
    add("kezelo_label", QStringLiteral("Kezelő"), line_edit(g, "kezelo_text", 10));
    add("qth_label_sajat", QStringLiteral("QTH"), line_edit(g, "qth_text", 12));
    add("exch_label", QStringLiteral("Exch"), line_edit(g, "exch_text", 6));
    add("sex_label", QStringLiteral("Sex"), combo(g, "sex_combo"));
    add("verseny_neve_label", QStringLiteral("Verseny neve"), line_edit(g, "verseny_neve_text", 12));
    grid->addWidget(label(g, "auto_mentes_label", QStringLiteral("Automatikus mentés")), 4, 0);
    QComboBox* autosave = combo(g, "auto_mentes_combo");
    // Its longest item ("Nincs automatikus mentés") is shown whole.
    autosave->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(autosave, 4, 1, 1, 3, Qt::AlignLeft);
    g->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    return g;
}

QWidget* contest_bar(QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label(w, "szabaly_label", QStringLiteral("Verseny:")));
    row->addWidget(combo(w, "szabaly_combo", QStringLiteral("Verseny típusa")));
    row->addWidget(label(w, "mod_label", QStringLiteral("Mód:")));
    row->addWidget(combo(w, "mod_combo", QStringLiteral("Üzemmód")));
    row->addWidget(check(w, "real_time_check", QStringLiteral("Valós idő")));
    row->addWidget(label(w, "ido_eltolas_label", QStringLiteral("UTC eltolás:")));
    row->addWidget(combo(w, "ido_eltolas_combo", QStringLiteral("UTC = helyi idő + eltolás")));
    row->addStretch(1);
    QLineEdit* clock = line_edit(w, "pontos_ido", 19, QStringLiteral("Helyi idő"));
    clock->setReadOnly(true);
    clock->setFocusPolicy(Qt::NoFocus);
    row->addWidget(clock);
    QLabel* lamp = label(w, "valtozas_jelzo", QString());
    lamp->setFixedSize(18, 18);
    lamp->setToolTip(QStringLiteral("Piros: a LOG megváltozott"));
    lamp->setAutoFillBackground(true);
    row->addWidget(lamp);
    return w;
}

QWidget* entry_frame(QWidget* parent) {
    QGroupBox* g = frame(parent, "qso_keret", QStringLiteral("QSO"));
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    int c = 0;
    auto add = [&](QWidget* caption, QWidget* field) {
        grid->addWidget(caption, 0, c);
        grid->addWidget(field, 1, c++);
    };
    QLineEdit* time = line_edit(g, "log_ido", 19);
    time->setInputMask(QStringLiteral("9999-99-99/99:99:99"));
    add(label(g, "idopont_label", QStringLiteral("Időpont (UTC)")), time);
    add(button(g, "kapott_hivojel_cmd", QStringLiteral("Kapott &Hivojel")),
        line_edit(g, "kapott_hivojel_text", 12));
    add(button(g, "kapott_cmd", QStringLiteral("Kapott &Riport")), line_edit(g, "kapott_riport_text", 3));
    add(button(g, "kapott_sorszam_cmd", QStringLiteral("Kapott s&Orszám")),
        line_edit(g, "kapott_sorszam_text", 5));
    add(button(g, "kapott_QRA_cmd", QStringLiteral("Kapott &QRA")), line_edit(g, "kapott_QRA_text", 6));
    add(button(g, "kapoo_nev_cmd", QStringLiteral("Kapott &Név")), line_edit(g, "kapott_nev_text", 10));
    auto* sex = new QWidget(g);
    auto* sex_row = new QHBoxLayout(sex);
    sex_row->setContentsMargins(0, 0, 0, 0);
    sex_row->addWidget(small_button(sex, "YL_cmd", QStringLiteral("&Nő"), QStringLiteral("Nőt választ")));
    sex_row->addWidget(
        small_button(sex, "OM_cmd", QStringLiteral("&Férfi"), QStringLiteral("Férfit választ")));
    add(sex, combo(g, "kapott_sex_combo", QStringLiteral("Kapott sex")));
    add(button(g, "kuldott_riport_cmd", QStringLiteral("Küldött ri&Port")),
        line_edit(g, "kuldott_riport_text", 3));
    add(button(g, "kuldott_sorszam_cmd", QStringLiteral("Küldött &Sorszám")),
        line_edit(g, "kuldott_sorszam_text", 5));
    add(button(g, "kuldott_nev_cmd", QStringLiteral("Küldött név")), line_edit(g, "kuldott_nev_text", 10));
    add(button(g, "hivojel_2_cmd", QStringLiteral("&Partner álls")), line_edit(g, "hivojel_2_text", 12));
    grid->addWidget(button(g, "csere_cmd", QStringLiteral("Csere")), 1, c++);

    c = 0;
    auto add2 = [&](QWidget* caption, QWidget* field) {
        grid->addWidget(caption, 2, c);
        grid->addWidget(field, 3, c++);
    };
    QLineEdit* freq = line_edit(g, "frekvencia_text", 6, QStringLiteral("Frekvencia MHz-ben"));
    freq->setInputMask(QStringLiteral("99.999"));
    auto* freq_caption = new QWidget(g);
    auto* freq_row = new QHBoxLayout(freq_caption);
    freq_row->setContentsMargins(0, 0, 0, 0);
    QLabel* radio = label(freq_caption, "rig_lampa", QString());
    radio->setFixedSize(10, 10);
    radio->setAutoFillBackground(true);
    radio->setToolTip(
        QStringLiteral("Rádió (Rig fül): zöld válaszol, piros nem válaszol, szürke nincs beállítva"));
    freq_row->addWidget(radio);
    freq_row->addWidget(label(freq_caption, "frekvencia_label", QStringLiteral("Frekv. (MHz)")));
    freq_row->addWidget(
        small_button(freq_caption, "frekvencia_cmd", QStringLiteral("&F"), QStringLiteral("Frekvencia")));
    add2(freq_caption, freq);
    QLineEdit* band = line_edit(g, "band_text", 7);
    band->setReadOnly(true);
    auto* band_box = new QWidget(g);
    auto* band_row = new QHBoxLayout(band_box);
    band_row->setContentsMargins(0, 0, 0, 0);
    band_row->addWidget(
        small_button(band_box, "freki_down_cmd", QStringLiteral("◀"), QStringLiteral("Freki sáv le")));
    band_row->addWidget(band);
    band_row->addWidget(
        small_button(band_box, "freki_up_cmd", QStringLiteral("▶"), QStringLiteral("Freki sáv fel")));
    add2(label(g, "band_label", QStringLiteral("Sáv")), band_box);
    add2(label(g, "tavolsag_label", QStringLiteral("Távolság:")), line_edit(g, "tavolsag_text", 5));
    add2(label(g, "pontszam_label", QStringLiteral("Pont:")), line_edit(g, "pontszam_text", 5));
    add2(button(g, "iranyszog_cmd", QStringLiteral("Irány&szög"), QStringLiteral("Irányszög számolás")),
         line_edit(g, "iranyszog_text", 3));
    add2(new QWidget(g), button(g, "tavolsag_szamolo_cmd", QStringLiteral("QR&B"),
                                QStringLiteral("Távolság és pontszám számolás")));
    QLineEdit* mult = line_edit(g, "szorzo_text", 4);
    mult->setReadOnly(true);
    add2(label(g, "szorzo_label", QStringLiteral("QSO szorzó")), mult);
    QLineEdit* total = line_edit(g, "ossz_pontszam_text", 7);
    total->setReadOnly(true);
    add2(label(g, "ossz_pontszam_label", QStringLiteral("Összpont:")), total);
    QLineEdit* next = line_edit(g, "log_sorszam_text", 5, QStringLiteral("A következő QSO sorszáma"));
    next->setReadOnly(true);
    add2(label(g, "log_sorszam_label", QStringLiteral("Sorszám")), next);
    QLineEdit* edited = line_edit(g, "edit_sorszam_text", 5, QStringLiteral("A szerkesztett QSO sorszáma"));
    edited->setReadOnly(true);
    edited->setAutoFillBackground(true);
    add2(label(g, "edit_sorszam_label", QStringLiteral("Szerk.")), edited);
    add2(check(g, "automata_check", QStringLiteral("Adatbázis")),
         check(g, "auto_torles_check", QStringLiteral("Törlés")));
    add2(new QWidget(g),
         button(g, "log_hozzaad_cmd", QStringLiteral("Hozzáad"), QStringLiteral("QSO a LOG-ba (Enter)")));
    return g;
}

// The log menu: editing, deleting, saving, loading and recounting the log.
QWidget* log_menu(QWidget* parent) {
    QGroupBox* g = frame(parent, "log_menu_keret", QStringLiteral("LOG"));
    auto* row = new QHBoxLayout(g);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(button(g, "edit_cmd", QStringLiteral("QSO szerkesztés"),
                          QStringLiteral("Kijelölt QSO szerkesztése")));
    row->addWidget(button(g, "log_felulir_cmd", QStringLiteral("Felülírás"),
                          QStringLiteral("A szerkesztett QSO felülírása")));
    row->addWidget(
        button(g, "QSO_torol_cmd", QStringLiteral("QSO törlés"), QStringLiteral("Kijelölt QSO törlése")));
    row->addSpacing(16);
    row->addWidget(button(g, "save_log_cmd", QStringLiteral("LOG mentés")));
    row->addWidget(button(g, "load_log_cmd", QStringLiteral("LOG beolvasás")));
    row->addWidget(
        button(g, "log_osszefuzes_cmd", QStringLiteral("LOG összefűzés"), QStringLiteral("Haladóknak")));
    row->addSpacing(16);
    row->addWidget(button(g, "ujraszamolas_cmd", QStringLiteral("Újraszámolás"),
                          QStringLiteral("Sorszámok, pontok és szorzók újra")));
    row->addStretch(1);
    QLabel* counter = label(g, "qso_label", QString());
    counter->setFont(mono_font());
    counter->setToolTip(QStringLiteral("QSO-k száma és a szorzók"));
    row->addWidget(counter);
    return g;
}

}  // namespace

QWidget* build_log_panel(QWidget* parent) {
    QGroupBox* panel = frame(parent, "log_keret", QString());
    panel->setFlat(true);
    auto* col = new QVBoxLayout(panel);
    // Tight spacing: the whole panel fits a laptop screen below a title bar and a desktop panel.
    col->setContentsMargins(4, 0, 4, 0);
    col->setSpacing(3);
    col->addWidget(contest_bar(panel));
    auto* top = new QHBoxLayout;
    top->addWidget(own_station_frame(panel));
    top->addWidget(build_calling_panel(panel), 1);
    col->addLayout(top);
    col->addWidget(entry_frame(panel));
    col->addWidget(log_menu(panel));

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    QLabel* heading = label(panel, "log_label", QString());
    heading->setFont(mono_font());
    left->addWidget(heading);
    QListView* log = mono_list(panel, "log_lista");
    log->setSelectionMode(QAbstractItemView::ExtendedSelection);
    log->setToolTip(QStringLiteral("Dupla kattintás a szerkesztéshez,<SHIFT><DEL> a törléshez"));
    log->setMinimumHeight(6 * QFontMetrics(log->font()).lineSpacing());
    left->addWidget(log, 1);
    QLabel* why = label(panel, "pont_magyarazat_label", QString());
    why->setToolTip(QStringLiteral("A kijelölt QSO pontszáma és miért annyi"));
    why->setTextInteractionFlags(Qt::TextSelectableByMouse);
    left->addWidget(why);
    // The found list has a strip of its own, kept while it is hidden, so the log never changes
    // its height as a callsign is typed.
    QListView* found = mono_list(panel, "talalt_log_lista");
    found->setToolTip(
        QStringLiteral("Korábbi QSO-k ezzel az állomással (dupla kattintás: kijelölés a LOG-ban)"));
    found->setFixedHeight(3 * QFontMetrics(found->font()).lineSpacing() + 2 * found->frameWidth() + 4);
    QSizePolicy keep = found->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    found->setSizePolicy(keep);
    found->hide();
    left->addWidget(found);
    lists->addLayout(left, 4);
    auto* right = new QVBoxLayout;
    auto* db_row = new QHBoxLayout;
    db_row->addWidget(label(panel, "qra_sort_lista_label", QStringLiteral("Adatbázis")));
    db_row->addStretch(1);
    db_row->addWidget(button(panel, "qra_read_cmd", QStringLiteral("Beolvasás"),
                             QStringLiteral("Hívójel lista beolvasása")));
    right->addLayout(db_row);
    right->addWidget(mono_list(panel, "qra_sort_lista"), 3);
    right->addWidget(button(panel, "qra_lista_cmd", QStringLiteral("QRA &Lista")));
    right->addWidget(mono_list(panel, "qra_lista"), 1);
    right->addWidget(label(panel, "qth_label", QString()));
    right->addWidget(label(panel, "ru_exchange_label", QString()));
    lists->addLayout(right, 1);
    col->addLayout(lists, 1);
    return panel;
}

}  // namespace loxar::ui
