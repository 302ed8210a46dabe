#include "platform/cwdaemon_output.hpp"

#include <QHostInfo>
#include <QNetworkDatagram>

#include "station/cw_keying.hpp"

namespace loxar {

namespace {

// Beyond the text's own keying time: cwdaemon's delays and a busy machine.
constexpr int kAnswerSlackMs = 3000;

}  // namespace

CwdaemonOutput::CwdaemonOutput() {
    // Bound at once: a socket that binds itself on its first write is not watched for answers.
    socket_.bind(QHostAddress(QHostAddress::AnyIPv4), 0);
    connect(&socket_, &QUdpSocket::readyRead, this, [this] {
        while (socket_.hasPendingDatagrams()) socket_.receiveDatagram();
        done_ = true;
        give_up_.stop();
    });
    give_up_.setSingleShot(true);
    connect(&give_up_, &QTimer::timeout, this, [this] { done_ = true; });
}

void CwdaemonOutput::configure(const RigSettings& settings) {
    const QString address = QString::fromStdString(settings.cwdaemon);
    const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
    const QString host = colon > 0 ? address.left(colon) : address;
    port_ = colon > 0 ? static_cast<quint16>(address.mid(colon + 1).toUInt()) : 6789;
    host_ = QHostAddress(host);
    // A name is looked up without holding the window; the messages go out once it is known.
    if (host_.isNull()) {
        QHostInfo::lookupHost(host, this, [this](const QHostInfo& found) {
            for (const QHostAddress& a : found.addresses()) {
                // cwdaemon listens on IPv4.
                if (host_.isNull() || a.protocol() == QAbstractSocket::IPv4Protocol) host_ = a;
            }
        });
    }
    // A new address: what was keyed by the old one is nothing to wait for.
    done_ = true;
    give_up_.stop();
}

void CwdaemonOutput::send(const Text& text, int wpm) {
    if (host_.isNull() || port_ == 0) return;
    const QByteArray speed = QByteArray::fromStdString(cwdaemon_speed(wpm));
    const QByteArray message = QByteArray::fromStdString(cwdaemon_message(text));
    socket_.writeDatagram(speed, host_, port_);
    socket_.writeDatagram(message, host_, port_);
    done_ = false;
    give_up_.start(static_cast<int>(morse_duration_ms(text, wpm)) + kAnswerSlackMs);
}

void CwdaemonOutput::stop() {
    if (!host_.isNull() && port_ != 0) {
        socket_.writeDatagram(QByteArray::fromStdString(Text(kCwdaemonAbort)), host_, port_);
    }
    done_ = true;
    give_up_.stop();
}

}  // namespace loxar
