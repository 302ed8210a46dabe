// Serial port adapter: 9600 baud, 8 data bits, no parity, 1 stop bit, no handshake.
#include "platform/qt_serial_port.hpp"

#include <QSerialPortInfo>
#include <algorithm>

namespace loxar {

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

bool QtSerialPort::open(int com_number) {
    close();
    const QString device = device_for(com_number);
    if (device.isEmpty()) return false;
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    return port_.open(QIODevice::ReadWrite);
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
}

bool QtSerialPort::is_open() const { return port_.isOpen(); }

void QtSerialPort::write(const Text& bytes) {
    if (!port_.isOpen()) return;
    port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    port_.flush();
}

Text QtSerialPort::read_all() {
    if (!port_.isOpen()) return {};
    port_.waitForReadyRead(0);
    const QByteArray data = port_.readAll();
    return Text(data.constData(), static_cast<std::size_t>(data.size()));
}

PortError QtSerialPort::error() const {
    if (port_.isOpen()) return PortError::None;
    switch (port_.error()) {
        case QSerialPort::NoError: return PortError::None;
        case QSerialPort::DeviceNotFoundError: return PortError::NotFound;
        case QSerialPort::PermissionError: return PortError::NoPermission;
        case QSerialPort::ResourceError: return PortError::Lost;
        default: return PortError::Other;
    }
}

Text QtSerialPort::describe(int com_number) const {
    return device_for(com_number).toStdString();
}

}  // namespace loxar
