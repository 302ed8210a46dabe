// Logging from the keyboard in the window: typing a QSO, Enter, the found list, editing keys.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>

#include "model/bands.hpp"
#include "rules/contest_rules.hpp"
#include "session/startup.hpp"
#include "ui/main_window.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

using Window = testing::StartedWindow;

// A window with own data filled in, IARU chosen and SSB selected, the cursor in the callsign field.
struct Ready : Window {
    Ready() {
        prepare_iaru_ssb("HA5XYZ");
        call()->setFocus();
    }
    QLineEdit* call() const { return find<QLineEdit>("kapott_hivojel_text"); }
    QListView* log() const { return find<QListView>("log_lista"); }
    void log_qso(const char* keys) {
        call()->setFocus();
        type(keys);
    }
};

}  // namespace

class LoggingTest : public QObject {
    Q_OBJECT
private slots:
    void withClearingTickedTheNextCallsignIsTypedAtOnce() {
        Ready win;
        win.find<QCheckBox>("auto_torles_check")->setChecked(true);
        testing::Modals boxes;
        win.log_qso("ha1abc 1 jn97aa\nha2xyz");
        QTest::qWait(350);
        QCOMPARE(boxes.seen, QStringList());
        QCOMPARE(win.log()->model()->rowCount(), 1);
        QCOMPARE(win.call()->text(), QStringLiteral("HA2XYZ"));
    }

    void aQsoIsTypedWithSpaceAndAddedWithEnter() {
        Ready win;

        win.type("ha1abc");
        QCOMPARE(win.call()->text(), QStringLiteral("HA1ABC"));
        win.type(" ");
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("kapott_sorszam_text"));
        QCOMPARE(win.call()->text(), QStringLiteral("HA1ABC"));  // Space never reaches a field
        win.type("1 jn97aa\n");
        QCOMPARE(win.log()->model()->rowCount(), 1);
        const QString line = win.item("log_lista", 0);
        QVERIFY2(line.contains(QStringLiteral("=HA1ABC ")), qPrintable(line));
        QVERIFY2(line.contains(QStringLiteral("JN97AA")), qPrintable(line));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(win.call()));
        QCOMPARE(win.find<QLineEdit>("log_sorszam_text")->text(), QStringLiteral("00002"));
    }

    void aFaultyQsoIsRefusedWithItsFaultsListed() {
        Ready win;
        testing::Modals boxes;
        win.type(" x jn97aa\n");
        QCOMPARE(win.log()->model()->rowCount(), 0);
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY2(boxes.seen[0].contains(QStringLiteral("Kapott hívójel hiba")), qPrintable(boxes.seen[0]));
    }

    void earlierQsosShowWhileTheCallsignIsTypedWithoutShrinkingTheLog() {
        Ready win;
        win.log_qso("ha1abc 1 jn97aa\n");
        win.log_qso("ha2def 2 jn97aa\n");
        auto* found = win.find<QListView>("talalt_log_lista");
        win.w->resize(1300, 720);  // a laptop's window, the log above its smallest
        QCoreApplication::processEvents();
        win.call()->setFocus();
        win.call()->clear();
        win.type("ha");
        QVERIFY(!found->isVisible());
        QCoreApplication::processEvents();
        const int log_height = win.log()->height();
        win.type("1");
        QVERIFY(found->isVisible());
        QCOMPARE(found->model()->rowCount(), 1);
        // The found list has a place of its own: the log keeps its height.
        QCoreApplication::processEvents();
        QCOMPARE(win.log()->height(), log_height);
    }

    void shiftDeleteRemovesTheSelectedQsos() {
        Ready win;
        win.log_qso("ha1abc 1 jn97aa\n");
        win.log_qso("ha2def 2 jn97aa\n");
        win.log_qso("ha3ghi 3 jn97aa\n");
        QCOMPARE(win.log()->model()->rowCount(), 3);
        win.log()->setFocus();
        win.log()->selectionModel()->select(win.log()->model()->index(1, 0),
                                            QItemSelectionModel::ClearAndSelect);
        win.log()->setCurrentIndex(win.log()->model()->index(1, 0));
        QTest::keyClick(win.log(), Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(win.log()->model()->rowCount(), 2);
        QVERIFY(win.item("log_lista", 1).contains(QStringLiteral("HA3GHI")));
        QVERIFY(win.item("log_lista", 1).contains(QStringLiteral("=00002=")));
    }

    void editingAQsoAndLeavingByTheNumberField() {
        Ready win;
        win.log_qso("ha1abc 1 jn97aa\n");
        win.log()->selectionModel()->select(win.log()->model()->index(0, 0),
                                            QItemSelectionModel::ClearAndSelect);
        win.find<QPushButton>("edit_cmd")->click();
        QVERIFY(win.session().edit_mode);
        QCOMPARE(win.find<QLineEdit>("edit_sorszam_text")->text(), QStringLiteral("00001"));
        QCOMPARE(win.call()->text(), QStringLiteral("HA1ABC"));
        QTest::mouseClick(win.find<QLineEdit>("edit_sorszam_text"), Qt::LeftButton);
        QVERIFY(!win.session().edit_mode);
        QCOMPARE(win.find<QLineEdit>("edit_sorszam_text")->text(), QStringLiteral("00000"));
    }

    void theLogRebuiltFromTheBackupShowsOnTheSmallToolsPanel() {
        Ready win;
        win.log_qso("ha1abc 1 jn97aa\n");
        win.log_qso("ha2def 2 jn97aa\n");
        win.find<QPushButton>("main_cmd_3")->click();
        auto* rebuilt = win.find<QListView>("backup_lista");
        QCOMPARE(rebuilt->model()->rowCount(), 0);
        win.find<QPushButton>("backup_helyreallitas_cmd")->click();
        QCOMPARE(rebuilt->model()->rowCount(), 2);
        QVERIFY(rebuilt->model()->index(1, 0).data().toString().contains(QStringLiteral("HA2DEF")));
    }

    void theBandOfTheWholeLogIsChangedOnTheMultiPurposePanel() {
        Ready win;
        win.log_qso("ha1abc 1 jn97aa\n");
        win.log_qso("ha2def 2 jn97aa\n");
        testing::click_in_next_modal("igen_cmd");  // "Csinált másolatot?"
        win.find<QPushButton>("aprosag_cmd")->click();
        auto* change = win.find<QPushButton>("vegyes_cmd_0");
        QVERIFY(change->isVisible());
        QCOMPARE(change->text(), QStringLiteral("Váltás"));
        QCOMPARE(win.find<QComboBox>("vegyes_combo")->currentText(), QStringLiteral("145 MHz"));
        QVERIFY(win.find<QListView>("vegyes_lista_1")->isVisible());
        QCOMPARE(win.find<QListView>("vegyes_lista_1")->model()->rowCount(), 2);
        win.choose("vegyes_combo", QStringLiteral("435 MHz"));
        change->click();
        QVERIFY(win.item("vegyes_lista_1", 0).endsWith(QStringLiteral("=435 MHz=")));
        QVERIFY(win.item("log_lista", 0).endsWith(QStringLiteral("=145 MHz=")));  // the copy changed
        win.find<QPushButton>("vegyes_cmd_1")->click();                           // "Kész"
        QVERIFY(win.item("log_lista", 1).endsWith(QStringLiteral("=435 MHz=")));
        QCOMPARE(win.find<QLineEdit>("band_text")->text(), QStringLiteral("435 MHz"));
    }
};

LOXAR_UI_TEST(LoggingTest)
#include "logging_test.moc"
