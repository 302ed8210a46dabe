// The keying box end to end: the real window on a real serial port, against loxar-cli's virtual
// box on a pseudo-terminal, with the window's own timers and the real clock.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <memory>

#include "platform/qt_serial_port.hpp"
#include "platform/system_clock.hpp"
#include "session/calling.hpp"
#include "support/fake_ports.hpp"
#include "ui/main_window.hpp"
#include "ui/support/keybox_process.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

constexpr int kPatience = testing::KeyboxProcess::kPatience;

// The window started on a fresh home with the box's terminal as its keyer port.
struct BoxedWindow {
    testing::KeyboxProcess box;
    QtSerialPort serial;
    testing::FakePlayer player;
    SystemClock clock;
    std::unique_ptr<MainWindow> w;

    explicit BoxedWindow(const QStringList& box_options) : box(box_options) {
        if (!box.device.startsWith('/')) qFatal("the virtual box did not start");
        serial.set_device(box.device);
        w = std::make_unique<MainWindow>(Ports{nullptr, &serial, &player, &clock});
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get())) qFatal("window not active");
        if (!w->start(testing::temp_home().toStdString())) qFatal("start failed");
    }
    Session& session() { return w->session(); }
    template <class T>
    T* find(const char* name) const {
        auto* found = w->findChild<T*>(name);
        if (!found) qFatal("missing widget %s", name);
        return found;
    }
    QString status() const { return find<QLineEdit>("usb_valasz_text")->text(); }
    QString row(const char* list, int r) const {
        return find<QListView>(list)->model()->index(r, 0).data().toString();
    }
    // The speed chosen as the operator does; true once the box's status line shows it.
    bool choose_speed(int wpm) {
        auto* combo = find<QComboBox>("wpm_combo");
        combo->setCurrentIndex(wpm - 5);
        emit combo->activated(wpm - 5);
        return QTest::qWaitFor([&] { return status().startsWith(QStringLiteral("w%1").arg(wpm)); },
                               kPatience);
    }
};

}  // namespace

class KeyboxE2eTest : public QObject {
    Q_OBJECT
private slots:
    void theBoxOpenedAtStartAndAgainAnswersThePoll() {
        BoxedWindow win({});
        const auto answered = [&] {
            return win.status().startsWith('w') && win.session().keyer.lamp == BoxLamp::Heard &&
                   win.find<QLabel>("billentyuzo_allapot")->text() == QStringLiteral("Billentyűző: válaszol");
        };
        QTRY_VERIFY_WITH_TIMEOUT(answered(), kPatience);
        QVERIFY(win.find<QWidget>("log_hivas_keret")->isEnabled());
        QCOMPARE(win.find<QLineEdit>("usb_valasz_text")->cursorPosition(), 0);  // its start in view

        testing::Modals said;
        win.find<QPushButton>("sio_close_cmd")->click();
        QCOMPARE(said.seen, QStringList{QStringLiteral("Bezárva!")});
        QVERIFY(!win.find<QWidget>("log_hivas_keret")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(win.session().keyer.lamp, BoxLamp::Closed, kPatience);

        win.find<QPushButton>("sio_open_cmd")->click();
        QCOMPARE(said.seen.last(), QStringLiteral("Megnyitva!"));
        win.find<QLineEdit>("usb_valasz_text")->clear();
        QTRY_VERIFY_WITH_TIMEOUT(answered(), kPatience);
    }

    void f1InCwSendsTheExpandedMessageAndCallingEndsWhenTheBoxHasSentIt() {
        BoxedWindow win({QStringLiteral("--verbose")});
        Session& s = win.session();
        s.station.hivojel_text = "HA5XX";
        s.qso.mod_combo.set(2);
        s.keyer.cw_messages[0] = "CQ <M>";
        cw_combo_toltes(s);
        QVERIFY(win.choose_speed(30));

        auto* typed = win.find<QLineEdit>("hivas_cw_text");
        typed->setFocus();
        QTest::keyClick(typed, Qt::Key_F1);
        QCOMPARE(win.find<QPushButton>("hivas_cmd")->text(), QStringLiteral("leáll&Itás"));
        QTRY_VERIFY_WITH_TIMEOUT(win.box.received().contains("sCQ HA5XX <CR>"), kPatience);
        // The box reports characters still to send, and calling waits until none are left.
        QTRY_VERIFY_WITH_TIMEOUT(win.status().mid(4, 3).toInt() > 0, kPatience);
        QVERIFY(s.keyer.calling_active());
        QTRY_VERIFY_WITH_TIMEOUT(!s.keyer.calling_active(), kPatience);
        QCOMPARE(win.status().mid(4, 3), QStringLiteral("000"));
        QCOMPARE(win.find<QPushButton>("hivas_cmd")->text(), QStringLiteral("Hívás &Indítás"));
    }

    void theEpromWrittenIsReadBack() {
        BoxedWindow win({});
        Session& s = win.session();
        s.station.hivojel_text = "HA5XX";
        for (std::size_t k = 0; k < 4; ++k)
            s.keyer.cw_messages[k] = std::array{"CQ <M>", "TU", "<M> TEST", "QRZ"}[k];
        cw_combo_toltes(s);
        QVERIFY(win.choose_speed(28));

        testing::Modals said;
        win.find<QPushButton>("EPROM_cmd_0")->click();
        QCOMPARE(said.seen, QStringList{QStringLiteral("Sent!")});
        win.find<QPushButton>("EPROM_cmd_1")->click();
        QCOMPARE(win.find<QListView>("EPROM_lista")->model()->rowCount(), 5);
        QVERIFY2(win.row("EPROM_lista", 0).startsWith(QStringLiteral("WPM: 28   Polaritás: Jobb kéz")),
                 qPrintable(win.row("EPROM_lista", 0)));
        const QString sent[] = {QStringLiteral("CQ HA5XX"), QStringLiteral("TU"),
                                QStringLiteral("HA5XX TEST"), QStringLiteral("QRZ")};
        for (int k = 1; k <= 4; ++k) {
            QVERIFY2(win.row("EPROM_lista", k).endsWith(sent[k - 1]), qPrintable(win.row("EPROM_lista", k)));
        }
    }

    void aSilentBoxEndsTheEpromWaitWithAMessageAndTheWindowGoesOn() {
        BoxedWindow win({QStringLiteral("--silent")});
        QTRY_COMPARE_WITH_TIMEOUT(win.session().keyer.lamp, BoxLamp::Silent, kPatience);
        testing::Modals said;
        win.find<QPushButton>("EPROM_cmd_1")->click();
        QCOMPARE(said.seen, QStringList{QStringLiteral("A billentyűző nem válaszolt!")});
        QCOMPARE(win.find<QListView>("EPROM_lista")->model()->rowCount(), 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // The panel still works: the preview fills the list.
        win.find<QPushButton>("EPROM_cmd_2")->click();
        QCOMPARE(win.find<QListView>("EPROM_lista")->model()->rowCount(), 5);
    }
};

LOXAR_UI_TEST(KeyboxE2eTest)
#include "keybox_e2e_test.moc"
