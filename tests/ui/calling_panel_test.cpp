// The calling panel: its controls, F1 in CW through the window, and the message typed into it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "session/calling.hpp"
#include "session/clock.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class CallingPanelTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsThere() {
        testing::StartedWindow win;
        for (const char* name :
             {"hivas_cmd", "hivas_hozzaad_cmd_0", "hivas_hozzaad_cmd_1", "hivas_mentes_cmd_0",
              "hivas_mentes_cmd_1", "hivas_beolvasas_cmd_0", "hivas_beolvasas_cmd_1", "hivas_test_cmd",
              "erosito_cmd", "ID_cmd", "sio_open_cmd", "sio_close_cmd", "cancel_cmd", "EPROM_cmd_0",
              "EPROM_cmd_3", "frekvencia_cmd", "freki_up_cmd", "freki_down_cmd"}) {
            QVERIFY2(win.w->findChild<QPushButton*>(name), name);
        }
        for (const char* name :
             {"ismetles_combo", "wpm_combo", "kesleltetes_combo", "ROGER_combo", "erosito_combo_0",
              "erosito_combo_1", "erosito_combo_2", "billentyuzo_port_combo"}) {
            QVERIFY2(win.w->findChild<QComboBox*>(name), name);
        }
        for (const char* name : {"hivas_lista_0", "hivas_lista_1", "EPROM_lista"}) {
            QVERIFY2(win.w->findChild<QListView*>(name), name);
        }
        for (const char* name : {"hivas_cw_text", "usb_valasz_text", "ID_text"}) {
            QVERIFY2(win.w->findChild<QLineEdit*>(name), name);
        }
        for (const char* name : {"kerdezo_label", "billentyuzo_lampa", "hivas_makro_label"}) {
            QVERIFY2(win.w->findChild<QLabel*>(name), name);
        }
        QVERIFY(win.find<QCheckBox>("ismetles_check")->isTristate());
        QCOMPARE(win.find<QLineEdit>("usb_valasz_text")->toolTip(), QStringLiteral("A billenyüző állapota"));
        QCOMPARE(win.find<QListView>("hivas_lista_1")->model()->rowCount(), 12);
    }

    void aHintStandsInTheCallTabUntilAModeIsChosen() {
        testing::StartedWindow win;
        auto* hint = win.find<QLabel>("hivas_mod_tipp");
        for (short mode : {0, 2, 0}) {
            win.session().qso.mod_combo.set(mode);
            Timer1_Timer(win.session(), LocalDateTime{});
            win.w->refresh(Aspect::All);
            QCOMPARE(hint->isVisible(), mode == 0);
        }
    }

    void functionKeyInCwSendsTheExpandedMessage() {
        testing::StartedWindow win;
        Session& s = win.session();
        s.station.hivojel_text = "HA5XX";
        s.qso.mod_combo.set(2);
        auto* typed = win.find<QLineEdit>("hivas_cw_text");
        typed->setFocus();
        for (QChar ch : QStringLiteral("cq ő <M>")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(typed, &press);
        }
        QCOMPARE(typed->text(), QStringLiteral("CQ O <M>"));
        QTest::keyClick(typed, Qt::Key_Return);
        QCOMPARE(s.keyer.cw_messages[0], Text("CQ O <M>"));
        QCOMPARE(win.find<QListView>("hivas_lista_1")->model()->index(0, 0).data().toString(),
                 QStringLiteral("F01:CQ O HA5XX"));
        QTest::keyClick(typed, Qt::Key_F1);
        QTRY_VERIFY_WITH_TIMEOUT(Text(win.serial.written).find("sCQ O HA5XX \r") != Text::npos, 5000);
    }
};

LOXAR_UI_TEST(CallingPanelTest)
#include "calling_panel_test.moc"
