// The "Rig" tab of the calling panel: how the radio is reached, where CW goes and what keys the
// transmitter for voice, with the link's lamp and state.
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>

#include "ui/panel_builder.hpp"
#include "ui/panels.hpp"

namespace loxar::ui {

QWidget* build_rig_page(QWidget* parent) {
    auto [page, grid] = tab_page(parent, "rig_lap");

    grid->addWidget(label(page, "rig_kapcsolat_label", QStringLiteral("Rádió:")), 0, 0);
    grid->addWidget(
        combo(page, "rig_kapcsolat_combo", QStringLiteral("Hogyan éri el a Loxar a rádiót (Hamlib)")), 0, 1);
    QComboBox* models = combo(page, "rig_modell_combo", QStringLiteral("Gyártó és típus; gépeléssel keres"));
    // Several hundred models: typing any part of the maker or model narrows the list.
    models->setEditable(true);
    models->setInsertPolicy(QComboBox::NoInsert);
    models->completer()->setFilterMode(Qt::MatchContains);
    models->completer()->setCompletionMode(QCompleter::PopupCompletion);
    models->setMinimumContentsLength(22);
    grid->addWidget(models, 0, 2, 1, 3);

    grid->addWidget(label(page, "rig_eszkoz_label", QStringLiteral("Port:")), 1, 0);
    grid->addWidget(
        line_edit(page, "rig_eszkoz_text", 14,
                  QStringLiteral("COM1 ... COM15, mint a billentyűzőnél, vagy eszköz: /dev/ttyUSB0")),
        1, 1);
    grid->addWidget(combo(page, "rig_sebesseg_combo", QStringLiteral("Sebesség (baud); Alap: a típusé")), 1,
                    2);
    grid->addWidget(label(page, "rig_rigctld_label", QStringLiteral("rigctld:")), 1, 3);
    grid->addWidget(
        line_edit(page, "rig_rigctld_text", 16, QStringLiteral("gép:port, alapértelmezés localhost:4532")), 1,
        4);

    grid->addWidget(label(page, "cw_kimenet_label", QStringLiteral("CW:")), 2, 0);
    grid->addWidget(
        combo(page, "cw_kimenet_combo", QStringLiteral("Hová mennek a CW üzenetek és az F gombok")), 2, 1);
    grid->addWidget(line_edit(page, "cwdaemon_text", 16, QStringLiteral("cwdaemon címe, gép:port")), 2, 2);
    grid->addWidget(label(page, "ptt_label", QStringLiteral("Hang PTT:")), 2, 3);
    grid->addWidget(combo(page, "ptt_combo", QStringLiteral("Mi kapcsolja adásba az adót a hangüzenetekhez")),
                    2, 4);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label(page, "rig_lekerdezes_label", QStringLiteral("Lekérdezés (ms):")));
    bottom->addWidget(line_edit(page, "rig_lekerdezes_text", 5, QStringLiteral("100 ... 5000")));
    bottom->addWidget(button(page, "rig_alkalmaz_cmd", QStringLiteral("Alkalmaz"),
                             QStringLiteral("A beállítások mentése és a rádió kapcsolása")));
    bottom->addWidget(label(page, "rig_allapot_label", QString()), 1);
    grid->addLayout(bottom, 3, 0, 1, 5);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(4, 1);
    return page;
}

}  // namespace loxar::ui
