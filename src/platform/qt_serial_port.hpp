// The keying box's serial link through Qt SerialPort.
#pragma once

#include <QSerialPort>
#include <QString>

#include "session/ports.hpp"

namespace loxar {

// COMn of the port selector names the n-th serial device of this machine: USB adapters
// (ttyUSB*, ttyACM*) first, in name order, then the built-in ports (ttyS*). A device chosen for
// the run (set_device) stands for every COMn instead.
class QtSerialPort : public SerialPort {
public:
    QtSerialPort();

    // Any device path: a /dev/serial/by-id link, a pseudo-terminal; empty restores COMn.
    void set_device(const QString& path) { override_ = path; }

    bool open(int com_number) override;
    void close() override;
    bool is_open() const override;
    void write(const Text& bytes) override;
    Text read_all() override;
    PortError error() const override;
    Text describe(int com_number) const override;

    static QString device_for(int com_number);

private:
    QString device(int com_number) const;
    bool try_open(const QString& path);
    void drop_lost();
    bool hung_up() const;

    QSerialPort port_;
    QString override_;
    PortError error_ = PortError::None;
    bool lost_ = false;  // the device went away while open; closed at the next call from the core
};

}  // namespace loxar
