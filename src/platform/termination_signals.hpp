// SIGTERM, SIGHUP and SIGINT (logout, shutdown, Ctrl+C in a terminal) turned into a Qt signal
// on the window's thread, where the log can be saved safely.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace loxar {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal_number);

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace loxar
