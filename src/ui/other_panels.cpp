// The small-tools, help, summary and multi-purpose panels.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/database_panels.hpp"
#include "ui/help_text.hpp"
#include "ui/map_view.hpp"
#include "ui/panel_builder.hpp"
#include "ui/panels.hpp"
#include "ui/statistics_chart.hpp"

namespace loxar::ui {

QWidget* build_aprosag_panel(QWidget* parent) {
    QGroupBox* g = frame(parent, "aprosag_keret", QStringLiteral("Apróságok"));
    auto* col = new QVBoxLayout(g);
    auto* row = new QHBoxLayout;
    row->addWidget(button(g, "backup_helyreallitas_cmd", QStringLiteral("Backup betöltés"),
                          QStringLiteral("Az aktuális sáv LOG-ja a backup file-ból")));
    row->addWidget(button(g, "backup_cmd_0", QStringLiteral("Visszamásolás")));
    row->addWidget(button(g, "backup_cmd_1", QStringLiteral("Hozzáfűzés az aktuális LOG-hoz")));
    row->addSpacing(16);
    row->addWidget(button(g, "aprosag_cmd", QStringLiteral("Sávváltás"),
                          QStringLiteral("A teljes LOG sávjának átírása")));
    row->addStretch(1);
    col->addLayout(row);
    col->addWidget(label(g, "backup_label", QStringLiteral("A LOG a backup file-ból")));
    col->addWidget(mono_list(g, "backup_lista"), 1);
    col->addWidget(ui::build_hivojel_lista_frame(g), 2);
    return g;
}

QWidget* build_help_panel(QWidget* parent) {
    QGroupBox* g = frame(parent, "help_keret", QStringLiteral("Segítség"));
    auto* col = new QVBoxLayout(g);
    QPlainTextEdit* help = text_box(g, "help_text", true);
    help->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    help->setPlainText(help_text());
    col->addWidget(help);
    return g;
}

QWidget* build_osszesito_panel(QWidget* parent) {
    QGroupBox* g = frame(parent, "osszesito_keret", QStringLiteral("Összesítő"));
    auto* col = new QVBoxLayout(g);
    auto* row = new QHBoxLayout;
    row->addWidget(button(g, "osszesito_beolvasas_cmd", QStringLiteral("Összesítő betöltés")));
    row->addWidget(label(g, "kereses_label", QStringLiteral("Keresés:")));
    row->addWidget(line_edit(g, "kereses_text", 12));
    row->addWidget(button(g, "osszesito_kereses_cmd", QStringLiteral("Keresés")));
    row->addStretch(1);
    col->addLayout(row);
    QListView* list = mono_list(g, "osszesito_lista");
    list->setToolTip(QStringLiteral("Dupla kattintás: a QSO és a párja"));
    col->addWidget(list, 1);
    col->addWidget(line_edit(g, "qso1_test", 100));
    col->addWidget(line_edit(g, "qso2_test", 100));
    return g;
}

QWidget* build_vegyes_panel(QWidget* parent) {
    QGroupBox* g = frame(parent, "vegyes_keret", QStringLiteral("Vegyes"));
    auto* col = new QVBoxLayout(g);
    auto* row = new QHBoxLayout;
    auto* first = new QRadioButton(QStringLiteral("1. lista"), g);
    first->setObjectName("vegyes_valaszto_0");
    first->setChecked(true);
    auto* second = new QRadioButton(QStringLiteral("2. lista"), g);
    second->setObjectName("vegyes_valaszto_1");
    row->addWidget(first);
    row->addWidget(second);
    row->addWidget(label(g, "vegyes_label", QString()));
    row->addWidget(combo(g, "vegyes_combo"));
    for (int i = 0; i < 5; ++i) {
        const std::string name = "vegyes_cmd_" + std::to_string(i);
        QPushButton* b = button(g, name.c_str(), QString());
        b->hide();  // each task of the panel shows and captions the buttons it uses
        row->addWidget(b);
    }
    row->addStretch(1);
    col->addLayout(row);
    QListView* list0 = mono_list(g, "vegyes_lista_0");
    QListView* list1 = mono_list(g, "vegyes_lista_1");
    list1->hide();
    // The statistics chart stands beside the page, so the panel grows no taller. The lists and the
    // chart share one page, so that the map, when shown, takes the page's whole room.
    auto* page = new QWidget(g);
    page->setObjectName("vegyes_oldal");
    auto* body = new QHBoxLayout(page);
    body->setContentsMargins(0, 0, 0, 0);
    auto* lists = new QVBoxLayout;
    lists->addWidget(list0, 1);
    lists->addWidget(list1, 1);
    body->addLayout(lists, 3);
    auto* chart = new StatisticsChart(g);
    chart->setObjectName("statisztika_grafikon");
    chart->hide();
    body->addWidget(chart, 2);
    col->addWidget(page, 1);
    // The map takes the page's place when the statistics page's "Térkép" button shows it.
    auto* map = new MapView(g);
    map->setObjectName("statisztika_terkep");
    map->hide();
    col->addWidget(map, 1);
    return g;
}

}  // namespace loxar::ui
