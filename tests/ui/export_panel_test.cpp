// The ADIF export in the window: "Export" fills the multi-purpose panel, "Mentés" saves it.
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "model/file_io.hpp"
#include "session/adif_export.hpp"
#include "support/sample_lines.hpp"
#include "ui/qt_text.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class ExportPanelTest : public QObject {
    Q_OBJECT
private slots:
    void exportFillsTheListAndSaveWritesTheChosenFile() {
        testing::StartedWindow win;
        win.prepare_iaru_ssb("HA5KDR");
        Session& s = win.session();
        s.log_lista.add(testing::general("HA1ABC", 1));
        s.log_lista.add(testing::general("HA2DEF", 2));
        win.w->refresh(Aspect::All);

        win.find<QPushButton>("main_cmd_5")->click();
        QCOMPARE(win.find<QGroupBox>("vegyes_keret")->title(), QStringLiteral("Export => ADIF"));
        auto* save = win.find<QPushButton>("vegyes_cmd_0");
        QVERIFY(save->isVisible());
        QCOMPARE(save->text(), QStringLiteral("Mentés"));
        auto* list = win.find<QListView>("vegyes_lista_0");
        QVERIFY(list->isVisible());
        QCOMPARE(list->model()->rowCount(), 2 + 2 * 4);

        testing::when_modal_opens([](QWidget* chooser) {
            chooser->findChild<QLineEdit*>("destination_nev")->setText(QStringLiteral("naplo"));
            chooser->findChild<QPushButton*>("oke")->click();
        });
        save->click();
        const auto written = read_file(win.home / "IMPORT_EXPORT" / "naplo.adi");
        QVERIFY(written.has_value());
        QCOMPARE(*written, adif_export_text(s.log_lista.items(), ContestType::Iaru, export_station(s)));
    }
};

LOXAR_UI_TEST(ExportPanelTest)
#include "export_panel_test.moc"
