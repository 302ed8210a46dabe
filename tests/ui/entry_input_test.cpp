// Pasted and set texts in the entry fields: only what the field can hold reaches the session and the log.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>
#include <string>

#include "rules/contest_rules.hpp"
#include "session/log_file.hpp"
#include "session/startup.hpp"
#include "ui/main_window.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class EntryInputTest : public QObject {
    Q_OBJECT
private slots:
    void pastedJunkNeverReachesTheLog() {
        testing::StartedWindow win;
        Session& s = win.session();
        win.prepare_iaru_ssb("");

        // The own callsign set from outside: upper case, line breaks and the header's "," gone.
        auto* own = win.find<QLineEdit>("hivojel_text");
        own->setText(QStringLiteral("ha5tst\r\n,"));
        QCOMPARE(own->text(), QStringLiteral("HA5TST"));
        QCOMPARE(s.station.hivojel_text, Text("HA5TST"));

        auto* call = win.find<QLineEdit>("kapott_hivojel_text");
        call->setFocus();
        QApplication::clipboard()->setText(QString::fromUtf8("ha1abc\r\n\x1b;x", 11));
        QTest::keySequence(call, QKeySequence(QKeySequence::Paste));
        QCOMPARE(call->text(), QStringLiteral("HA1ABCX"));
        QCOMPARE(s.qso.kapott_hivojel_text, Text("HA1ABCX"));

        // A callsign longer than its column is cut where the line cuts it.
        call->selectAll();
        QApplication::clipboard()->setText(QString(40, QLatin1Char('K')));
        QTest::keySequence(call, QKeySequence(QKeySequence::Paste));
        QCOMPARE(call->text(), QString(20, QLatin1Char('K')));

        for (const char* keys : {" ", "1", " ", "jn97aa"})
            QTest::keyClicks(QApplication::focusWidget(), keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(s.log_lista.size(), std::size_t{1});
        const Text line = s.log_lista.at(0);
        QCOMPARE(col(line, 21, 21), Text(20, 'K') + "=");
        QVERIFY(log_file_header(s).starts_with("HA5TST,"));

        // Cleaned first, then cut: the separators never cost a character of the locator; a full
        // field takes no more.
        auto* locator = win.find<QLineEdit>("kapott_QRA_text");
        locator->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("jo61=a;a"));
        QTest::keySequence(locator, QKeySequence(QKeySequence::Paste));
        QCOMPARE(locator->text(), QStringLiteral("JO61AA"));
        QTest::keyClicks(locator, "b");
        QCOMPARE(s.qso.kapott_QRA_text, Text("JO61AA"));
    }

    void keysQueuedBehindASpaceAllLand() {
        testing::StartedWindow win;
        Session& s = win.session();
        win.prepare_iaru_ssb("HA5TST");
        auto* call = win.find<QLineEdit>("kapott_hivojel_text");
        call->setFocus();
        QTest::keyClicks(call, "HA1ABC");
        // A busy window: the keys wait in the queue behind the Space that moves the focus on, and
        // reach whichever field has the focus when their turn comes; the timers run after them.
        auto queue = [&win](const std::string& keys) {
            for (const char c : keys) {
                const int key = c == ' ' ? static_cast<int>(Qt::Key_Space) : QChar(c).unicode();
                for (const QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
                    QCoreApplication::postEvent(
                        win.w->windowHandle(),
                        new QKeyEvent(t, key, Qt::NoModifier, QString(QLatin1Char(c))));
                }
            }
        };
        queue(" 456 JN9");
        QCoreApplication::sendPostedEvents();
        QTest::qWait(20);
        queue("7KR");
        QTest::qWait(20);
        QCOMPARE(s.qso.kapott_sorszam_text.substr(0, 3), Text("456"));
        QCOMPARE(s.qso.kapott_QRA_text, Text("JN97KR"));
    }
};

LOXAR_UI_TEST(EntryInputTest)
#include "entry_input_test.moc"
