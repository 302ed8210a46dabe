// The main window driven as an operator drives it: start, panels, new contest and STOP.
#include "ui/main_window.hpp"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <deque>
#include <filesystem>
#include <memory>

#include "model/file_io.hpp"
#include "session/log_file.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"
#include "support/sample_lines.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

const Text kLine = testing::general("XX1AAA");

// Answers the next modal dialogs in turn by clicking the named buttons.
void answer_modals(std::deque<QString> buttons) {
    if (buttons.empty()) return;
    QString first = buttons.front();
    buttons.pop_front();
    testing::when_modal_opens([first, buttons](QWidget* modal) {
        answer_modals(buttons);
        if (auto* b = modal->findChild<QPushButton*>(first)) {
            b->click();
        } else {
            modal->close();
        }
    });
}

using Window = testing::StartedWindow;

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startOnAnEmptyHomeCreatesTheFolders() {
        const auto home = std::filesystem::path(testing::temp_home().toStdString());
        Window win(home);
        QVERIFY(std::filesystem::is_directory(home / "SYSTEM" / "SSB"));
        QVERIFY(std::filesystem::exists(home / "SZABALYOK" / "YLOM.rule"));
        QCOMPARE(win.find<QLineEdit>("log_ido")->inputMask(), QStringLiteral("9999-99-99/99:99:99"));
        QCOMPARE(win.find<QLineEdit>("frekvencia_text")->text(), QStringLiteral("00.000"));
        QCOMPARE(win.find<QLineEdit>("band_text")->text(), QStringLiteral("145 MHz"));
        QCOMPARE(win.find<QComboBox>("szabaly_combo")->itemText(16), QStringLiteral("SWL-Általános"));
        QCOMPARE(win.find<QComboBox>("ido_eltolas_combo")->currentText(), QStringLiteral("-1"));
        QVERIFY(
            win.find<QLabel>("log_label")->text().startsWith(QStringLiteral("Időpont              Hívójel")));
    }

    void clockWritesUtcIntoTheTimeField() {
        Window win(testing::temp_home().toStdString());
        win.clock.t = {2024, 5, 4, 0, 30, 0};
        QTRY_COMPARE_WITH_TIMEOUT(win.find<QLineEdit>("log_ido")->text(),
                                  QStringLiteral("2024-05-03/23:30:00"), 3000);
        QCOMPARE(win.find<QLineEdit>("pontos_ido")->text(), QStringLiteral("2024-05-04/00:30:00"));
    }

    void mainButtonsSwitchPanels() {
        Window win(testing::temp_home().toStdString());
        auto* stack = win.find<QStackedWidget>("panel_stack");
        win.find<QPushButton>("main_cmd_4")->click();
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("help_keret"));
        win.find<QPushButton>("main_cmd_3")->click();
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("aprosag_keret"));
        win.find<QPushButton>("main_cmd_0")->click();
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("log_keret"));
        answer_modals({QStringLiteral("ok")});
        win.find<QPushButton>("main_cmd_2")->click();  // empty log: refused with a message
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("log_keret"));
    }

    void restartContinuesTheLog() {
        const auto home = std::filesystem::path(testing::temp_home().toStdString());
        {
            Window first(home);
            first.w->session().log_lista.add(kLine);
            first.w->session().log_changed = true;
            answer_modals({"igen_cmd", "nem_cmd"});
            first.find<QPushButton>("quit")->click();
            QVERIFY(!first.w->isVisible());
        }
        const auto saved = read_file(home / "SYSTEM" / "tmp_log.dat");
        QVERIFY(saved.has_value());
        QVERIFY(saved->find(kLine + "\r\nEnd\r\n") != Text::npos);

        Window second(home);
        QCOMPARE(second.find<QListView>("log_lista")->model()->rowCount(), 1);
        QCOMPARE(second.find<QLineEdit>("log_sorszam_text")->text(), QStringLiteral("00002"));
    }

    void stopAnsweredNoStays() {
        Window win(testing::temp_home().toStdString());
        win.w->session().log_lista.add(kLine);
        win.w->session().log_changed = true;
        answer_modals({"nem_cmd"});
        win.find<QPushButton>("quit")->click();
        QVERIFY(win.w->isVisible());
        QVERIFY(!std::filesystem::exists(win.home / "SYSTEM" / "tmp_log.dat"));
        win.w->session().log_changed = false;
    }

    void newContestClearsTheLogAfterTwoYes() {
        Window win(testing::temp_home().toStdString());
        Session& s = win.w->session();
        s.log_lista.add(kLine);
        s.log_changed = true;
        QVERIFY(log_mentes(s, s.paths.tmp_log()));
        win.w->refresh(Aspect::All);
        answer_modals({"igen_cmd", "igen_cmd"});
        win.find<QPushButton>("uj_lista_cmd")->click();
        QCOMPARE(win.find<QListView>("log_lista")->model()->rowCount(), 0);
        QVERIFY(!std::filesystem::exists(s.paths.tmp_log()));
        QCOMPARE(win.find<QLineEdit>("log_sorszam_text")->text(), QStringLiteral("00001"));
    }

    void pageDownStepsTheKeyingSpeedInCw() {
        Window win(testing::temp_home().toStdString());
        win.w->session().qso.mod_combo.set(2);
        auto* call = win.find<QLineEdit>("kapott_hivojel_text");
        call->setFocus();
        QTest::keyClick(call, Qt::Key_PageDown);
        QCOMPARE(win.find<QComboBox>("wpm_combo")->currentText(), QStringLiteral("16 WPM"));
    }

    void typingACallsignSelectsItInTheDatabaseList() {
        const auto home = std::filesystem::path(testing::temp_home().toStdString());
        std::filesystem::create_directories(home / "SYSTEM");
        std::filesystem::copy_file(std::filesystem::path(LOXAR_SOURCE_DIR) / "data" / "minta.qra",
                                   home / "SYSTEM" / "IARU.qra");
        Window win(home);
        auto* db = win.find<QListView>("qra_sort_lista");
        QCOMPARE(db->model()->rowCount(), 6);
        auto* call = win.find<QLineEdit>("kapott_hivojel_text");
        call->setFocus();
        QTest::keyClicks(call, "XX3");
        QVERIFY(db->currentIndex().data().toString().startsWith("XX3CCC"));
        QTest::keyClick(call, Qt::Key_Insert);
        QCOMPARE(call->text(), QStringLiteral("XX3CCC"));
    }

    // A 1366x768 laptop with a 30-pixel desktop panel and a title bar as tall as the window
    // reserves for it: no panel may ask for more, whatever fields the contest type shows.
    void theSmallestWindowFitsALaptopScreenAtEveryContestType() {
        Window win;
        auto* types = win.find<QComboBox>("szabaly_combo");
        win.choose("mod_combo", QStringLiteral("CW"));  // the calling panel shown
        for (int i = 0; i < types->count(); ++i) {
            types->setCurrentIndex(i);
            emit types->activated(i);
            QCoreApplication::processEvents();
            const QSize smallest = win.w->minimumSizeHint();
            const QString size = QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height());
            QVERIFY2(smallest.height() <= 768 - 30 - 36 && smallest.width() <= 1366 - 8,
                     qPrintable(types->itemText(i) + QStringLiteral(": ") + size));
        }
    }

    void choosingAModeMovesNothing() {
        Window win;
        win.w->resize(1366, 700);
        auto where = [&] {
            QStringList places;
            for (const char* name :
                 {"hivojel_text", "sajat_keret", "qso_keret", "kapott_hivojel_text", "log_lista"}) {
                const QWidget* w = win.find<QWidget>(name);
                const QPoint p = w->mapTo(win.w.get(), QPoint(0, 0));
                places << QStringLiteral("%1 %2,%3 %4").arg(name).arg(p.x()).arg(p.y()).arg(w->height());
            }
            return places.join(QStringLiteral("; "));
        };
        QCoreApplication::processEvents();
        const QString first = where();
        for (const char* mode : {"SSB", "CW", "FM", "..."}) {
            win.choose("mod_combo", QString::fromLatin1(mode));
            QTest::qWait(250);  // the clock's tick shows or hides the calling frame
            QCOMPARE(where(), first);
        }
        // The macro hint of the CW messages is shown whole.
        auto* hint = win.find<QLabel>("hivas_makro_label");
        QVERIFY2(hint->width() >= hint->sizeHint().width() || hint->wordWrap(), qPrintable(hint->text()));
    }

    void typedNamesAreUpperCasedWithAccentsFolded() {
        Window win(testing::temp_home().toStdString());
        win.send_text("kezelo_text", QStringLiteral("Ödön"));
        QCOMPARE(win.w->session().qso.kezelo_text, Text("ODON"));
        QCOMPARE(win.find<QLineEdit>("kezelo_text")->text(), QStringLiteral("ODON"));
    }
};

LOXAR_UI_TEST(MainWindowTest)
#include "main_window_test.moc"
