// The report panel: format, result calculation, the EDI and YL-OM result views and the report text.
#include "ui/report_panel.hpp"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

#include "reports/result_fields.hpp"
#include "session/report_panel.hpp"
#include "ui/multiline_sync.hpp"
#include "ui/panel_builder.hpp"
#include "ui/qt_text.hpp"

namespace loxar::ui {

namespace {

constexpr const char* kWiredProperty = "loxarReportWired";

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption) {
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(name);
    return r;
}

QGroupBox* build_edi_result_frame(QWidget* parent) {
    QGroupBox* g = frame(parent, "edi_result_keret", QStringLiteral("Eredmény"));
    auto* row = new QHBoxLayout(g);
    row->addWidget(mono_list(g, "qso_lista"), 1);

    auto* side = new QVBoxLayout;
    auto* grid = new QGridLayout;
    const auto& fields = result_fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ResultField& f = fields[i];
        const std::string label_name = "result_label_" + std::to_string(f.label_index);
        QLabel* tag = label(g, label_name.c_str(), QString::fromLatin1(f.tag));
        tag->setToolTip(QString::fromLatin1(f.tooltip));
        const int r = static_cast<int>(i % 10);
        const int c = static_cast<int>(i / 10) * 2;
        grid->addWidget(tag, r, c);
        grid->addWidget(line_edit(g, f.control, 10, QString::fromLatin1(f.tooltip)), r, c + 1);
    }
    side->addLayout(grid);

    auto* lists = new QGridLayout;
    lists->addWidget(label(g, "edi_wwl_label", QStringLiteral("WWL:")), 0, 0);
    lists->addWidget(combo(g, "edi_wwl_combo", QStringLiteral("A számolt lokátor négyzetek")), 0, 1);
    lists->addWidget(label(g, "edi_dxcc_label", QStringLiteral("DXCC:")), 1, 0);
    lists->addWidget(combo(g, "edi_dxcc_combo", QStringLiteral("A számolt országok")), 1, 1);
    lists->addWidget(label(g, "edi_exchange_label", QStringLiteral("Exchange:")), 2, 0);
    lists->addWidget(combo(g, "edi_exchange_combo", QStringLiteral("A számolt exchange-ek")), 2, 1);
    lists->setColumnStretch(1, 1);
    side->addLayout(lists);

    side->addWidget(label(g, "remark_label", QStringLiteral("Remark:")));
    QPlainTextEdit* remark = text_box(g, "tx_Remark", false);
    remark->setMaximumHeight(remark->fontMetrics().lineSpacing() * 4);
    side->addWidget(remark);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(g, "edi_save_cmd", QStringLiteral("Eredmény mentés"),
                              QStringLiteral("Az eredmények mentése a TEMP könyvtárba")));
    buttons->addWidget(button(g, "edi_load_cmd", QStringLiteral("Eredmény beolvasás"),
                              QStringLiteral("Mentett eredmények visszatöltése")));
    buttons->addStretch(1);
    side->addLayout(buttons);
    side->addStretch(1);
    row->addLayout(side);
    return g;
}

QGroupBox* build_adif_result_frame(QWidget* parent) {
    QGroupBox* g = frame(parent, "adif_result_keret", QStringLiteral("ADIF/YL-OM eredmény"));
    auto* col = new QVBoxLayout(g);
    QLabel* heading = label(g, "yl_label", QString());
    heading->setFont(mono_font());
    col->addWidget(heading);
    col->addWidget(mono_list(g, "adif_qso_lista"), 1);
    QLabel* stats = label(g, "adif_statisztika_label", QString());
    stats->setFont(mono_font());
    col->addWidget(stats);
    g->hide();
    return g;
}

QGroupBox* build_report_frame(QWidget* parent) {
    QGroupBox* g = frame(parent, "riport_keret", QStringLiteral("Jegyzőkönyv"));
    auto* col = new QVBoxLayout(g);
    col->addWidget(text_box(g, "edi_riport_text", false), 3);
    // The check's findings, one "line: what is wrong" per row, under the text they point into.
    QListView* findings = mono_list(g, "riport_hibak_lista");
    findings->setToolTip(QStringLiteral("Az Ellenőrzés eredménye: sor száma és a hiba"));
    col->addWidget(findings, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        button(g, "riport_ellenorzes_cmd", QStringLiteral("Ellenőrzés"),
               QStringLiteral("A jegyzőkönyv ellenőrzése mentés előtt (EDI, Cabrillo, ADIF)")));
    buttons->addWidget(button(g, "edi_save_riport_cmd", QStringLiteral("Jegyzőkönyv mentés"),
                              QStringLiteral("A jegyzőkönyv mentése a REPORT könyvtárba")));
    buttons->addStretch(1);
    col->addLayout(buttons);
    g->hide();
    return g;
}

// Brings the panel's own widgets in step when it appears.
class ShowEvents : public QObject {
public:
    ShowEvents(QObject* parent, std::function<void()> on_show)
        : QObject(parent), on_show_(std::move(on_show)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) on_show_();
        return false;
    }

private:
    std::function<void()> on_show_;
};

}  // namespace

QWidget* build_jegyzokonyv_panel(QWidget* parent) {
    QGroupBox* g = frame(parent, "jegyzokonyv_keret", QStringLiteral("Jegyzőkönyv készitése"));
    auto* col = new QVBoxLayout(g);
    auto* row = new QHBoxLayout;
    row->addWidget(label(g, "formatum_label", QStringLiteral("Formátum:")));
    row->addWidget(combo(g, "formatum_combo", QStringLiteral("A jegyzőkönyv formátuma")));
    row->addWidget(button(g, "eredmeny_cmd", QStringLiteral("Eredm. kiszámolás"),
                          QStringLiteral("Az eredmény kiszámolása a jegyzőkönyv előtt")));
    row->addWidget(button(g, "jegyzokonyv_cmd", QStringLiteral("Jegyzőkönyv készités"),
                          QStringLiteral("A választott formátumú jegyzőkönyv elkészítése")));
    row->addWidget(button(g, "edi_erase_cmd", QStringLiteral("Eredmény törlés")));
    row->addSpacing(16);
    QRadioButton* results = radio(g, "edi_valaszto_0", QStringLiteral("Eredmények"));
    results->setChecked(true);
    row->addWidget(results);
    row->addWidget(radio(g, "edi_valaszto_1", QStringLiteral("Jegyzőkönyv")));
    row->addStretch(1);
    col->addLayout(row);
    col->addWidget(build_edi_result_frame(g), 1);
    col->addWidget(build_adif_result_frame(g), 1);
    col->addWidget(build_report_frame(g), 1);
    return g;
}

void wire_report_panel(QWidget* panel, Session& s, std::function<void()> refresh_window) {
    if (!panel || panel->property(kWiredProperty).toBool()) return;
    panel->setProperty(kWiredProperty, true);

    auto report = std::make_shared<MultiLineSync>(panel->findChild<QPlainTextEdit*>("edi_riport_text"),
                                                  &s.report.edi_riport_text);
    auto remark =
        std::make_shared<MultiLineSync>(panel->findChild<QPlainTextEdit*>("tx_Remark"), &s.sheet.tx_Remark);
    std::array<QRadioButton*, 2> options{panel->findChild<QRadioButton*>("edi_valaszto_0"),
                                         panel->findChild<QRadioButton*>("edi_valaszto_1")};
    auto in_step = [&s, report, remark, options] {
        report->show();
        remark->show();
        for (short i = 0; i < 2; ++i) {
            if (options[i] && options[i]->isChecked() != (s.report.edi_valaszto == i)) {
                const QSignalBlocker quiet(options[i]);
                options[i]->setChecked(s.report.edi_valaszto == i);
            }
        }
    };
    auto act = [&s, refresh_window, in_step](void (*procedure)(Session&)) {
        return [&s, refresh_window, in_step, procedure] {
            procedure(s);
            in_step();
            if (refresh_window) refresh_window();
        };
    };
    const std::pair<const char*, void (*)(Session&)> buttons[] = {
        {"eredmeny_cmd", eredmeny_cmd_Click},
        {"jegyzokonyv_cmd", jegyzokonyv_cmd_Click},
        {"edi_erase_cmd", edi_erase_cmd_Click},
        {"edi_save_riport_cmd", edi_save_riport_cmd_Click},
        {"edi_save_cmd", edi_save_cmd_Click},
        {"edi_load_cmd", edi_load_cmd_Click},
        {"riport_ellenorzes_cmd", riport_ellenorzes_cmd_Click},
    };
    for (const auto& [name, procedure] : buttons) {
        if (auto* b = panel->findChild<QPushButton*>(name)) {
            QObject::connect(b, &QPushButton::clicked, panel, act(procedure));
        }
    }
    for (short i = 0; i < 2; ++i) {
        if (!options[i]) continue;
        QObject::connect(options[i], &QRadioButton::toggled, panel,
                         [&s, refresh_window, in_step, i](bool on) {
                             if (!on) return;
                             edi_valaszto_Click(s, i);
                             in_step();
                             if (refresh_window) refresh_window();
                         });
    }
    if (auto* formats = panel->findChild<QComboBox*>("formatum_combo")) {
        // Runs after the window's binding has stored the chosen index.
        QObject::connect(formats, &QComboBox::activated, panel, [&s, refresh_window, in_step] {
            formatum_combo_Click(s);
            in_step();
            if (refresh_window) refresh_window();
        });
    }
    panel->installEventFilter(new ShowEvents(panel, in_step));
}

}  // namespace loxar::ui
