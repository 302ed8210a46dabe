// The window with the real daemons: Hamlib's dummy radio behind rigctld, tuned with rigctl as
// another program would, and cwdaemon keying into its null device.
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>
#include <cstdlib>
#include <fstream>

#include "session/keying_box.hpp"
#include "support/local_daemon.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

constexpr int kPatience = 10000;  // ms: a busy machine, and a retry every few seconds

// Hamlib's dummy radio, with a transmit switch of its own (-P RIG) for the voice PTT.
struct Rigctld {
    int port = testing::free_port();
    std::unique_ptr<testing::LocalDaemon> daemon;
    Rigctld() { start(); }
    void start() {
        daemon = std::make_unique<testing::LocalDaemon>(
            std::vector<std::string>{"rigctld", "-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t",
                                     std::to_string(port)},
            port);
    }
    std::string address() const { return "127.0.0.1:" + std::to_string(port); }
    std::string rigctl(const std::string& command) const {
        std::string out;
        if (FILE* p = popen(("rigctl -m 2 -r " + address() + " " + command + " 2>/dev/null").c_str(), "r")) {
            char buf[128];
            while (fgets(buf, sizeof buf, p)) out += buf;
            if (pclose(p) != 0) out += "(failed)";
        }
        return out;
    }
    bool tune(const std::string& hz, const std::string& mode) const {
        return rigctl("F " + hz + " M " + mode + " 0").empty();
    }
    std::string ptt() const { return rigctl("t"); }
    std::string settings(const std::string& more = {}) const {
        return "link=rigctld\r\nrigctld=" + address() + "\r\n" + more;
    }
};

// A home whose radio settings name the daemons, polled every 100 ms.
std::filesystem::path home_with_radio(const std::string& settings) {
    const std::filesystem::path home = testing::temp_home().toStdString();
    std::filesystem::create_directories(home / "SYSTEM");
    std::ofstream(home / "SYSTEM" / kRigSettingsFile) << settings << "poll_ms=100\r\n";
    return home;
}

}  // namespace

class RadioTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowFollowsTheRadioAndOutlivesIt() {
        Rigctld radio;
        QVERIFY(radio.daemon->started());
        QVERIFY(radio.tune("7012000", "CW"));
        testing::StartedWindow win(home_with_radio(radio.settings()), true);
        win.prepare_iaru_ssb("HA5XYZ");
        auto* band = win.find<QLineEdit>("band_text");
        auto* freq = win.find<QLineEdit>("frekvencia_text");
        QTRY_COMPARE_WITH_TIMEOUT(band->text().trimmed(), QStringLiteral("7 MHz"), kPatience);
        QCOMPARE(freq->text(), QStringLiteral("07.012"));
        QCOMPARE(win.find<QComboBox>("mod_combo")->currentText(), QStringLiteral("CW"));

        // Turned by another program: the window follows within a poll, and the QSO carries it.
        QVERIFY(radio.tune("14025000", "USB"));
        QTRY_COMPARE_WITH_TIMEOUT(band->text().trimmed(), QStringLiteral("14 MHz"), kPatience);
        QTRY_COMPARE_WITH_TIMEOUT(win.find<QComboBox>("mod_combo")->currentText(), QStringLiteral("SSB"),
                                  kPatience);
        win.find<QLineEdit>("kapott_hivojel_text")->setFocus();
        win.type("ha1abc 1 jn97aa\n");
        QCOMPARE(win.find<QListView>("log_lista")->model()->rowCount(), 1);
        QVERIFY2(win.item("log_lista", 0).contains(QStringLiteral("=14025  =")),
                 qPrintable(win.item("log_lista", 0)));

        // Gone: the lamp, one notice, and typing goes on at once.
        QStringList notices;
        connect(win.w->statusBar(), &QStatusBar::messageChanged, this, [&notices](const QString& m) {
            if (!m.isEmpty()) notices << m;
        });
        radio.daemon->stop();
        auto* state = win.find<QLabel>("rig_allapot_label");
        QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("A rádió nem")), kPatience);
        win.find<QLineEdit>("kapott_hivojel_text")->setFocus();
        win.type("ha2");
        QCOMPARE(win.find<QLineEdit>("kapott_hivojel_text")->text(), QStringLiteral("HA2"));
        QTest::qWait(3500);  // a retry or more
        QCOMPARE(notices.size(), 1);

        // Back: reconnected, and following again (the dummy starts on 145 MHz).
        radio.start();
        win.find<QLineEdit>("kapott_hivojel_text")->clear();
        QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("Rádió: ")), kPatience);
        QTRY_COMPARE_WITH_TIMEOUT(band->text().trimmed(), QStringLiteral("145 MHz"), kPatience);
    }

    void theBandButtonsTuneTheRadio() {
        Rigctld radio;
        QVERIFY(radio.tune("14025000", "USB"));
        testing::StartedWindow win(home_with_radio(radio.settings()), true);
        QTRY_COMPARE_WITH_TIMEOUT(win.find<QLineEdit>("band_text")->text().trimmed(),
                                  QStringLiteral("14 MHz"), kPatience);
        win.find<QPushButton>("freki_up_cmd")->click();  // 18 MHz, never visited: its start
        QTRY_COMPARE_WITH_TIMEOUT(win.find<QLineEdit>("frekvencia_text")->text(), QStringLiteral("18.068"),
                                  kPatience);
        QCOMPARE(win.find<QLineEdit>("band_text")->text().trimmed(), QStringLiteral("18 MHz"));
    }

    void voicePttGoesThroughTheRadioAndComesOffAtTheEnd() {
        Rigctld radio;
        QCOMPARE(radio.rigctl("T 1"), std::string());  // left on the air by a run that crashed
        auto win =
            std::make_unique<testing::StartedWindow>(home_with_radio(radio.settings("ptt=rig\r\n")), true);
        win->prepare_iaru_ssb("HA5XYZ");
        auto* state = win->find<QLabel>("rig_allapot_label");
        QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("Rádió: ")), kPatience);
        QCOMPARE(radio.ptt(), std::string("0\n"));
        on_air_rutin(win->session());
        QTRY_COMPARE_WITH_TIMEOUT(radio.ptt(), std::string("1\n"), kPatience);
        win->find<QPushButton>("cancel_cmd")->click();  // Esc
        QTRY_COMPARE_WITH_TIMEOUT(radio.ptt(), std::string("0\n"), kPatience);
        on_air_rutin(win->session());
        QTRY_COMPARE_WITH_TIMEOUT(radio.ptt(), std::string("1\n"), kPatience);
        win.reset();  // the program ends on the air: the radio is taken off it first
        QCOMPARE(radio.ptt(), std::string("0\n"));
    }

    // The radio's own keyer gives no word when it is done: the calling waits the text's time.
    void cwThroughTheRadiosKeyer() {
        Rigctld radio;
        testing::StartedWindow win(home_with_radio(radio.settings("cw=rig\r\n")), true);
        win.prepare_iaru_ssb("HA5XYZ");
        QTRY_VERIFY_WITH_TIMEOUT(
            win.find<QLabel>("rig_allapot_label")->text().startsWith(QStringLiteral("Rádió: ")), kPatience);
        win.choose("mod_combo", QStringLiteral("CW"));
        win.choose("wpm_combo", QStringLiteral("30 WPM"));
        win.session().keyer.cw_messages[0] = "TEST";  // 21 dots: 840 ms at 30 WPM
        win.find<QLineEdit>("kapott_hivojel_text")->setFocus();
        QElapsedTimer keyed;
        keyed.start();
        QTest::keyClick(win.find<QLineEdit>("kapott_hivojel_text"), Qt::Key_F1);
        QVERIFY(win.session().keyer.calling_active());
        QTRY_VERIFY_WITH_TIMEOUT(!win.session().keyer.calling_active(), kPatience);
        QVERIFY2(keyed.elapsed() >= 840, qPrintable(QString::number(keyed.elapsed())));
    }

    void cwGoesToCwdaemon() {
        const int port = testing::free_port(SOCK_DGRAM);
        const std::filesystem::path dir = testing::temp_home().toStdString();
        std::filesystem::create_directories(dir);
        const std::string log = (dir / "cwdaemon.log").string();
        // A system daemon: /usr/sbin may be missing from a user's PATH.
        const std::string program =
            std::filesystem::exists("/usr/sbin/cwdaemon") ? "/usr/sbin/cwdaemon" : "cwdaemon";
        testing::LocalDaemon cwdaemon(
            {program, "-n", "-d", "null", "-x", "n", "-i", "-p", std::to_string(port)}, 0, log);
        QVERIFY(cwdaemon.started());
        testing::StartedWindow win(
            home_with_radio("cw=cwdaemon\r\ncwdaemon=127.0.0.1:" + std::to_string(port) + "\r\n"), true);
        win.prepare_iaru_ssb("HA5XYZ");
        win.choose("mod_combo", QStringLiteral("CW"));
        win.session().keyer.cw_messages[0] = "CQ <M> TEST";
        win.choose("wpm_combo", QStringLiteral("30 WPM"));
        win.find<QLineEdit>("kapott_hivojel_text")->setFocus();
        QTest::keyClick(win.find<QLineEdit>("kapott_hivojel_text"), Qt::Key_F1);
        const auto keyed = [&log] {
            std::ifstream in(log);
            const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            return all.find("request: \"CQ HA5XYZ TEST^\"") != std::string::npos;
        };
        QTRY_VERIFY_WITH_TIMEOUT(keyed(), kPatience);
        // cwdaemon answers once the text is keyed, and the calling ends.
        QTRY_VERIFY_WITH_TIMEOUT(!win.session().keyer.calling_active(), kPatience);
    }
};

LOXAR_UI_TEST(RadioTest)
#include "radio_test.moc"
