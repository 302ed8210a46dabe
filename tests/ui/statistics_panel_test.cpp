// The statistics page in the window: the button shows the page and the chart, "Mentés" saves it.
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "model/file_io.hpp"
#include "session/list_save.hpp"
#include "statistics/statistics.hpp"
#include "support/sample_lines.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class StatisticsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void buttonShowsThePageAndSaveWritesTheChosenFile() {
        testing::StartedWindow win;
        win.prepare_iaru_ssb("HA5KDR");
        Session& s = win.session();
        s.log_lista.add(testing::general("HA1ABC", 1));
        s.log_lista.add(testing::general("HA2DEF", 2));
        win.w->refresh(Aspect::All);

        win.find<QPushButton>("statisztika_cmd")->click();
        QCOMPARE(win.find<QGroupBox>("vegyes_keret")->title(), QStringLiteral("Statisztika"));
        auto* list = win.find<QListView>("vegyes_lista_0");
        QVERIFY(list->isVisible());
        QCOMPARE(list->model()->rowCount(), static_cast<int>(s.vegyes_lista[0].size()));
        QCOMPARE(list->model()->index(0, 0).data().toString(),
                 QStringLiteral("Nr. of QSO's: 2  Distance: 2  Scores: 2"));
        QVERIFY(win.find<QWidget>("statisztika_grafikon")->isVisible());
        auto* save = win.find<QPushButton>("vegyes_cmd_0");
        QCOMPARE(save->text(), QStringLiteral("Mentés"));

        testing::when_modal_opens([](QWidget* chooser) {
            testing::when_modal_opens([](QWidget* box) { box->close(); });  // "Elmentve!"
            chooser->findChild<QLineEdit*>("destination_nev")->setText(QStringLiteral("stat"));
            chooser->findChild<QPushButton*>("oke")->click();
        });
        save->click();
        const auto written = read_file(win.home / "TEMP" / "stat.lst");
        QVERIFY(written.has_value());
        QCOMPARE(*written, crlf_text(s.vegyes_lista[0].items()));

        // Back on the log, the captioned panel no longer shows over it.
        win.find<QPushButton>("main_cmd_0")->click();
        QVERIFY(!win.find<QGroupBox>("vegyes_keret")->isVisible());
        QVERIFY(win.find<QWidget>("log_lista")->isVisible());
    }
};

LOXAR_UI_TEST(StatisticsPanelTest)
#include "statistics_panel_test.moc"
