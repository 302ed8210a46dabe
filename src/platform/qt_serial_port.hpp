// The keying box's serial link through Qt SerialPort.
#pragma once

#include <QSerialPort>

#include "core/ports.hpp"

namespace loxar {

// COMn of the port selector names the n-th serial device of this machine: USB adapters
// (ttyUSB*, ttyACM*) first, in name order, then the built-in ports (ttyS*).
class QtSerialPort : public SerialPort {
public:
    bool open(int com_number) override;
    void close() override;
    bool is_open() const override;
    void write(const Text& bytes) override;
    Text read_all() override;
    PortError error() const override;
    Text describe(int com_number) const override;

    static QString device_for(int com_number);

private:
    QSerialPort port_;
};

}  // namespace loxar
