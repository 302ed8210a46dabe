// Serial port adapter: 9600 baud, 8 data bits, no parity, 1 stop bit, no handshake.
#include "platform/qt_serial_port.hpp"

#include <poll.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <optional>

namespace loxar {

namespace {

constexpr qint64 kInputBuffer = 1024;

// The port information of a device path, following links (/dev/serial/by-id/...).
std::optional<QSerialPortInfo> info_of(const QString& path) {
    const QString real = QFileInfo(path).canonicalFilePath();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() == path || (!real.isEmpty() && info.systemLocation() == real)) return info;
    }
    return std::nullopt;
}

}  // namespace

QtSerialPort::QtSerialPort() {
    // A USB adapter pulled out while open (or the far end of a pseudo-terminal closed): the
    // kernel hangs the tty up, and Qt reports a resource error or, when the read only finds the
    // end of the file, a read error on a descriptor that polls as hung up. The port is closed on
    // the next call from the core rather than inside Qt's own notification, and at the latest
    // when the event loop comes round, so that the device is let go of.
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_, [this](QSerialPort::SerialPortError e) {
        if (!port_.isOpen() || lost_) return;
        if (e != QSerialPort::ResourceError && !(e == QSerialPort::ReadError && hung_up())) return;
        lost_ = true;
        QTimer::singleShot(0, &port_, [this] { drop_lost(); });
    });
}

QString QtSerialPort::device_for(int com_number) {
    QStringList usb, builtin;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        if (name.startsWith("ttyUSB") || name.startsWith("ttyACM")) {
            usb << info.systemLocation();
        } else {
            builtin << info.systemLocation();
        }
    }
    std::sort(usb.begin(), usb.end());
    std::sort(builtin.begin(), builtin.end());
    const QStringList all = usb + builtin;
    return com_number >= 1 && com_number <= all.size() ? all[com_number - 1] : QString();
}

QString QtSerialPort::device(int com_number) const {
    return override_.isEmpty() ? device_for(com_number) : override_;
}

bool QtSerialPort::hung_up() const {
    pollfd p{static_cast<int>(port_.handle()), POLLIN, 0};
    return ::poll(&p, 1, 0) < 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void QtSerialPort::drop_lost() {
    if (!lost_) return;
    if (port_.isOpen()) port_.close();
    lost_ = false;
    error_ = PortError::Lost;
}

bool QtSerialPort::open(int com_number) {
    close();
    const QString path = device(com_number);
    if (path.isEmpty()) {
        error_ = PortError::NotFound;
        return false;
    }
    // A program killed a moment ago may still be letting go of the device (its lock file and the
    // tty's exclusive mode go with its last open file): a busy device is tried again for a second
    // before it counts as another program's.
    constexpr int kTries = 10;
    for (int tried = 1; !try_open(path); ++tried) {
        if (error_ != PortError::Busy || tried == kTries) return false;
        QThread::msleep(100);
    }
    return true;
}

bool QtSerialPort::try_open(const QString& path) {
    port_.setPortName(path);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(kInputBuffer);
    if (port_.open(QIODevice::ReadWrite)) {
        error_ = PortError::None;
        return true;
    }
    switch (port_.error()) {
        case QSerialPort::DeviceNotFoundError: error_ = PortError::NotFound; break;
        case QSerialPort::PermissionError: {
            // Qt says "permission" both for a device held by another program (its lock file, or
            // the exclusive mode of an open tty: EBUSY) and for a user outside the dialout group.
            const QByteArray native = path.toLocal8Bit();
            const bool denied = ::access(native.constData(), R_OK | W_OK) != 0 && errno == EACCES;
            error_ = denied ? PortError::NoPermission : PortError::Busy;
            break;
        }
        default: error_ = QFileInfo::exists(path) ? PortError::Other : PortError::NotFound; break;
    }
    return false;
}

void QtSerialPort::close() {
    lost_ = false;
    if (port_.isOpen()) port_.close();
    error_ = PortError::None;
}

bool QtSerialPort::is_open() const {
    return port_.isOpen() && !lost_;
}

void QtSerialPort::write(const Text& bytes) {
    drop_lost();
    if (!port_.isOpen()) return;
    port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    port_.flush();
}

// Whatever has arrived; waiting zero milliseconds only takes in what the system already holds.
Text QtSerialPort::read_all() {
    drop_lost();
    if (!port_.isOpen()) return {};
    port_.waitForReadyRead(0);
    drop_lost();
    const QByteArray data = port_.isOpen() ? port_.readAll() : QByteArray();
    return Text(data.constData(), static_cast<std::size_t>(data.size()));
}

PortError QtSerialPort::error() const {
    if (lost_) return PortError::Lost;
    return port_.isOpen() ? PortError::None : error_;
}

// "/dev/ttyUSB0 — FT232R USB UART A50285BI": the device, what it calls itself, its serial number.
Text QtSerialPort::describe(int com_number) const {
    const QString path = device(com_number);
    if (path.isEmpty()) return {};
    QString text = path;
    if (const auto info = info_of(path)) {
        const QString name = info->description().isEmpty() ? info->manufacturer() : info->description();
        const QString about = (name + " " + info->serialNumber()).trimmed();
        if (!about.isEmpty()) text += QStringLiteral(" — ") + about;
    }
    return utf8_to_cp1250(text.toStdString());
}

}  // namespace loxar
