// The multi-purpose panel in the window: "Export" fills it with the ADIF and "Mentés" saves it;
// the statistics button shows the page and the chart; "Import" reads a file through the chooser,
// converts it and appends it to the log.
#include <QGroupBox>
#include <QListView>
#include <QPushButton>

#include "model/file_io.hpp"
#include "session/adif_export.hpp"
#include "session/list_save.hpp"
#include "statistics/statistics.hpp"
#include "support/sample_lines.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

// IARU on SSB with two QSOs in the log.
struct TwoQsos : testing::StartedWindow {
    TwoQsos() {
        prepare_iaru_ssb("HA5KDR");
        session().log_lista.add(testing::general("HA1ABC", 1));
        session().log_lista.add(testing::general("HA2DEF", 2));
        w->refresh(Aspect::All);
    }
};

}  // namespace

class MultiPurposePanelTest : public QObject {
    Q_OBJECT
private slots:
    void exportFillsTheListAndSaveWritesTheChosenFile() {
        TwoQsos win;
        Session& s = win.session();

        win.find<QPushButton>("main_cmd_5")->click();
        QCOMPARE(win.find<QGroupBox>("vegyes_keret")->title(), QStringLiteral("Export => ADIF"));
        auto* save = win.find<QPushButton>("vegyes_cmd_0");
        QVERIFY(save->isVisible());
        QCOMPARE(save->text(), QStringLiteral("Mentés"));
        auto* list = win.find<QListView>("vegyes_lista_0");
        QVERIFY(list->isVisible());
        QCOMPARE(list->model()->rowCount(), 2 + 2 * 4);

        testing::answer_chooser(QStringLiteral("naplo"));
        save->click();
        const auto written = read_file(win.home / "IMPORT_EXPORT" / "naplo.adi");
        QVERIFY(written.has_value());
        QCOMPARE(*written, adif_export_text(s.log_lista.items(), ContestType::Iaru, export_station(s)));
    }

    void buttonShowsThePageAndSaveWritesTheChosenFile() {
        TwoQsos win;
        Session& s = win.session();

        win.find<QPushButton>("statisztika_cmd")->click();
        QCOMPARE(win.find<QGroupBox>("vegyes_keret")->title(), QStringLiteral("Statisztika"));
        auto* list = win.find<QListView>("vegyes_lista_0");
        QVERIFY(list->isVisible());
        QCOMPARE(list->model()->rowCount(), static_cast<int>(s.vegyes.vegyes_lista[0].size()));
        QCOMPARE(list->model()->index(0, 0).data().toString(),
                 QStringLiteral("Nr. of QSO's: 2  Distance: 2  Scores: 2"));
        QVERIFY(win.find<QWidget>("statisztika_grafikon")->isVisible());
        auto* save = win.find<QPushButton>("vegyes_cmd_0");
        QCOMPARE(save->text(), QStringLiteral("Mentés"));

        testing::answer_chooser(QStringLiteral("stat"), true);  // then "Elmentve!"
        save->click();
        const auto written = read_file(win.home / "TEMP" / "stat.lst");
        QVERIFY(written.has_value());
        QCOMPARE(*written, crlf_text(s.vegyes.vegyes_lista[0].items()));

        // Back on the log, the captioned panel no longer shows over it.
        win.find<QPushButton>("main_cmd_0")->click();
        QVERIFY(!win.find<QGroupBox>("vegyes_keret")->isVisible());
        QVERIFY(win.find<QWidget>("log_lista")->isVisible());
    }

    void aCabrilloLogIsReadConvertedAndAppended() {
        testing::StartedWindow win;
        win.prepare_iaru_ssb("HA1ABC");
        QVERIFY(write_file_atomic(
            win.home / "IMPORT_EXPORT" / "verseny.cbr",
            "START-OF-LOG: 3.0\r\n"
            "QSO: 14025 CW 2024-02-17 1200 HA1ABC        599 001    DL1ABC        599 015\r\n"
            "QSO:  3525 PH 2024-02-17 1201 HA1ABC        59  002    HA5KDR        59  007\r\n"
            "END-OF-LOG:\r\n"));
        win.find<QPushButton>("main_cmd_6")->click();
        QVERIFY(win.session().panel_mode == PanelTask::Import);
        // The panel's five buttons shown, captioned from its table.
        for (const char* b :
             {"vegyes_cmd_0", "vegyes_cmd_1", "vegyes_cmd_2", "vegyes_cmd_3", "vegyes_cmd_4"}) {
            QVERIFY2(win.find<QPushButton>(b)->isVisible(), b);
        }
        QCOMPARE(win.find<QPushButton>("vegyes_cmd_3")->text(), QStringLiteral("Hozzáfűzés"));

        testing::answer_chooser(QStringLiteral("verseny.cbr"));
        win.find<QPushButton>("vegyes_cmd_0")->click();
        auto* original = win.find<QListView>("vegyes_lista_0");
        QVERIFY(original->isVisible());
        QCOMPARE(original->model()->rowCount(), 4);

        win.find<QPushButton>("vegyes_cmd_1")->click();
        auto* converted = win.find<QListView>("vegyes_lista_1");
        QVERIFY(converted->isVisible());
        QVERIFY(!original->isVisible());
        QCOMPARE(converted->model()->rowCount(), 2);

        testing::click_in_next_modal("igen_cmd");  // "Hozzáfűzi az adatokat a LOG listához?"
        win.find<QPushButton>("vegyes_cmd_3")->click();
        QCOMPARE(win.session().log_lista.size(), std::size_t(2));
        QCOMPARE(col(win.session().log_lista.at(1), 21, 6), Text("HA5KDR"));
        QCOMPARE(col(win.session().log_lista.at(1), 87, 5), Text("00002"));
    }
};

LOXAR_UI_TEST(MultiPurposePanelTest)
#include "multi_purpose_panel_test.moc"
