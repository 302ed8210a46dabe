// CW keyed by cwdaemon over UDP: the speed and the text are sent as datagrams, and cwdaemon
// sends the text back once it has keyed it.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include "session/ports.hpp"

namespace loxar {

class CwdaemonOutput : public QObject, public CwOutputPort {
    Q_OBJECT
public:
    CwdaemonOutput();
    void configure(const RigSettings& settings) override;
    void send(const Text& text, int wpm) override;
    void stop() override;
    bool done() const override { return done_; }

private:
    QUdpSocket socket_;
    QHostAddress host_;
    quint16 port_ = 6789;
    bool done_ = true;
    // A cwdaemon that never answers must not hold the calling: done after the text's own time.
    QTimer give_up_;
};

}  // namespace loxar
