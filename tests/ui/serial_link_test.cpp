// The real serial link: QtSerialPort talking to loxar-cli's virtual keying box on a pseudo-terminal.
#include <QDeadlineTimer>
#include <QThread>
#include <memory>
#include <string>

#include "platform/qt_serial_port.hpp"
#include "ui/support/keybox_process.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

constexpr int kPatience = testing::KeyboxProcess::kPatience;
using Box = testing::KeyboxProcess;

// The first whole reply line (up to CR LF) the port brings within the patience.
std::string reply_line(QtSerialPort& port) {
    std::string got;
    QDeadlineTimer deadline(kPatience);
    while (got.find("\r\n") == std::string::npos && !deadline.hasExpired()) {
        got += port.read_all();
        QTest::qWait(10);
    }
    return got.substr(0, got.find("\r\n"));
}

}  // namespace

class SerialLinkTest : public QObject {
    Q_OBJECT
private slots:
    void theBoxAnswersThroughTheSerialPort() {
        Box box;
        QVERIFY2(box.device.startsWith('/'), qPrintable(box.device));
        QtSerialPort port;
        port.set_device(box.device);
        QVERIFY(port.open(7));  // any COM number stands for the chosen device
        QCOMPARE(port.error(), PortError::None);
        QVERIFY(port.describe(3).starts_with(box.device.toStdString()));

        // The messages written and read back, and closing and opening again: KeyboxE2eTest.
        port.write("?\r\n");
        const std::string status = reply_line(port);
        QVERIFY2(status.size() >= 40 && status[0] == 'w', status.c_str());
    }

    void aDeviceHeldByAnotherPortIsBusy() {
        Box box;
        QtSerialPort first, second;
        first.set_device(box.device);
        second.set_device(box.device);
        QVERIFY(first.open(1));
        QVERIFY(!second.open(1));
        QCOMPARE(second.error(), PortError::Busy);
        first.close();
        QVERIFY(second.open(1));
    }

    void aDeviceLetGoOfAMomentLaterOpens() {
        // The holder lives in a thread of its own, as a killed program goes on dying beside a
        // restarted one: it lets the device go while the opening waits.
        Box box;
        QThread dying;
        dying.start();
        QObject in_thread;
        in_thread.moveToThread(&dying);
        std::unique_ptr<QtSerialPort> holder;
        QMetaObject::invokeMethod(
            &in_thread,
            [&] {
                holder = std::make_unique<QtSerialPort>();
                holder->set_device(box.device);
                holder->open(1);
            },
            Qt::BlockingQueuedConnection);
        QVERIFY(holder->is_open());
        QMetaObject::invokeMethod(&in_thread, [&] {
            QThread::msleep(300);
            holder.reset();
        });
        QtSerialPort restarted;
        restarted.set_device(box.device);
        const bool opened = restarted.open(1);
        dying.quit();
        dying.wait();
        QVERIFY(opened);
    }

    void aMissingDeviceIsNotFound() {
        QtSerialPort port;
        port.set_device(QStringLiteral("/dev/loxar-no-such-device"));
        QVERIFY(!port.open(1));
        QCOMPARE(port.error(), PortError::NotFound);
        QVERIFY(!port.is_open());
    }

    void aDeviceThatGoesAwayWhileOpenIsLost() {
        auto box = std::make_unique<Box>();
        QtSerialPort port;
        port.set_device(box->device);
        QVERIFY(port.open(1));
        box.reset();
        QDeadlineTimer deadline(kPatience);
        while (port.is_open() && !deadline.hasExpired()) {
            port.read_all();
            QTest::qWait(20);
        }
        QVERIFY(!port.is_open());
        QCOMPARE(port.error(), PortError::Lost);
    }
};

LOXAR_UI_TEST(SerialLinkTest)
#include "serial_link_test.moc"
