// The calling panel: its controls, F1 in CW through the window, and the message typed into it.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include "session/calling.hpp"
#include "session/clock.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class CallingPanelTest : public QObject {
    Q_OBJECT
private slots:
    void controlsOfTheCallingPanel() {
        testing::StartedWindow win;
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
        win.send_text("hivas_cw_text", QStringLiteral("cq ő <M>"));
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
