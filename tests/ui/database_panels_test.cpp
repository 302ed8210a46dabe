// The "Hívójel lista" frame and the "Összesítő" panel in the window: keys, buttons, lists.
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "model/file_io.hpp"
#include "ui/qt_text.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class DatabasePanelsTest : public QObject {
    Q_OBJECT
private slots:
    void callsignListIsTypedAddedSavedAndReadBack() {
        testing::StartedWindow win;
        win.find<QPushButton>("main_cmd_3")->click();
        auto* call = win.find<QLineEdit>("lista_hivojel_text");
        call->setFocus();
        win.type("ha1");
        QTest::sendKeyEvent(QTest::Click, call, Qt::Key_Aacute, QStringLiteral("á"), Qt::NoModifier);
        win.type("b ");
        QCOMPARE(call->text(), QStringLiteral("HA1AB"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lista_qra_text_0"));
        win.type("jn97aa kn08bb<");  // rotated left: the first locator goes last
        QCOMPARE(win.find<QLineEdit>("lista_qra_text_0")->text(), QStringLiteral("KN08BB"));
        QCOMPARE(win.find<QLineEdit>("lista_qra_text_3")->text(), QStringLiteral("JN97AA"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* list = win.find<QListView>("hivojel_qra_lista");
        QCOMPARE(list->model()->rowCount(), 1);

        testing::answer_chooser(QStringLiteral("proba"), true);
        win.find<QPushButton>("hivojel_lista_cmd_0")->click();
        QCOMPARE(read_file(win.home / "SYSTEM" / "proba.qra").value_or(""),
                 Text("QRA lista\r\nHA1AB;KN08BB,JN97AA;NONE;NONE;NONE;Nem;000\r\n"));

        // A name that cannot be read leaves the unsaved list alone.
        testing::answer_chooser(QStringLiteral("nincs"), true);
        win.find<QPushButton>("hivojel_lista_cmd_1")->click();
        QCOMPARE(list->model()->rowCount(), 1);

        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(list->model()->rowCount(), 0);

        testing::answer_chooser(QStringLiteral("proba"));  // the window's ".qra" completes the name
        win.find<QPushButton>("hivojel_lista_cmd_1")->click();
        QCOMPARE(list->model()->rowCount(), 1);
        emit list->doubleClicked(list->model()->index(0, 0));
        QCOMPARE(win.find<QLineEdit>("lista_qra_text_1")->text(), QStringLiteral("JN97AA"));

        // Cleaned before it is cut to the slot's width: the separators cost no character.
        win.find<QLineEdit>("lista_qra_text_1")->setText(QStringLiteral("jo61=a;a"));
        QCOMPARE(win.find<QLineEdit>("lista_qra_text_1")->text(), QStringLiteral("JO61AA"));
    }

    void summaryIsReadSearchedAndPaired() {
        testing::StartedWindow win;
        auto qso = [](const char* a, const char* b) {
            return "QSO   00012     " + pad_cut(a, 12) + pad_cut("", 16) + pad_cut(b, 12) + " 599";
        };
        const Text first = qso("HA1AB", "HA2CD"), second = qso("HA2CD", "HA1AB");
        QVERIFY(
            write_file_atomic(win.home / "TEMP" / "verseny.SUM",
                              hu(u8"Összesítő:") + kCrLf + first + kCrLf + second + kCrLf + "End" + kCrLf));
        win.find<QPushButton>("main_cmd_7")->click();
        testing::answer_chooser(QStringLiteral("verseny.SUM"));
        win.find<QPushButton>("osszesito_beolvasas_cmd")->click();
        auto* list = win.find<QListView>("osszesito_lista");
        QCOMPARE(list->model()->rowCount(), 2);

        auto* search = win.find<QLineEdit>("kereses_text");
        QTest::keyClicks(search, QStringLiteral("ha2cd"));
        QCOMPARE(search->text(), QStringLiteral("HA2CD"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 2);

        emit list->doubleClicked(list->model()->index(1, 0));
        QCOMPARE(win.find<QLineEdit>("qso1_test")->text(), qs(second));
        QCOMPARE(win.find<QLineEdit>("qso2_test")->text(), qs(first));
    }
};

LOXAR_UI_TEST(DatabasePanelsTest)
#include "database_panels_test.moc"
