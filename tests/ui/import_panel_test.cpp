// The Import panel in the window: a file read through the chooser, converted, appended to the log.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include "model/file_io.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class ImportPanelTest : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(win.session().panel_mode, short(3));
        const char* captions[] = {"Beolvasás", "Feldolgozás", "Bemásolás", "Hozzáfűzés", "Mentés"};
        for (int i = 0; i < 5; ++i) {
            auto* b = win.find<QPushButton>(("vegyes_cmd_" + std::to_string(i)).c_str());
            QVERIFY(b->isVisible());
            QCOMPARE(b->text(), QString::fromUtf8(captions[i]));
        }
        QCOMPARE(win.find<QRadioButton>("vegyes_valaszto_0")->text(), QStringLiteral("Eredeti"));
        QCOMPARE(win.find<QRadioButton>("vegyes_valaszto_1")->text(), QStringLiteral("Feldolgozott"));
        QCOMPARE(win.find<QLabel>("vegyes_label")->text(), QStringLiteral("Szűrés:"));
        QCOMPARE(win.find<QComboBox>("vegyes_combo")->count(), 30);

        testing::when_modal_opens([](QWidget* chooser) {
            chooser->findChild<QLineEdit*>("destination_nev")->setText(QStringLiteral("verseny.cbr"));
            chooser->findChild<QPushButton*>("oke")->click();
        });
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

LOXAR_UI_TEST(ImportPanelTest)
#include "import_panel_test.moc"
