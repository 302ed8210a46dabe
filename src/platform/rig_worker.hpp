// The radio on a worker thread of its own: Hamlib's calls block until the radio answers or times
// out, so none of them is ever made on the window's thread. The window queues requests; readings
// and the radio's silences come back as signals, delivered on the window's thread.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "rig/hamlib_rig.hpp"
#include "session/ports.hpp"

namespace loxar {

class RigThreadSide;

class RigWorker : public QObject, public RigPort, public CwOutputPort {
    Q_OBJECT
public:
    RigWorker();
    // Takes the radio off the air if Loxar put it there, lets it go, and ends the thread.
    ~RigWorker() override;
    RigWorker(const RigWorker&) = delete;
    RigWorker& operator=(const RigWorker&) = delete;

    // RigPort and CwOutputPort: the radio with these settings (kept when they did not change).
    void configure(const RigSettings& settings) override;
    void tune(long long hz, unsigned sequence) override;
    void ptt(bool on_air) override;
    // CwOutputPort: the radio's own keyer.
    void send(const Text& text, int wpm) override;
    void stop() override;
    bool done() const override { return keyed_.load(); }

signals:
    // Hamlib's models, listed once on the worker's thread soon after the start.
    void models(const std::vector<RigModel>& models);
    // A change of the radio, or its first answer since it was silent (mode: Hamlib's name).
    void reading(long long hz, const std::string& mode, unsigned sequence);
    // The radio does not answer, or cannot be reached; the problem is a sentence, cp1250.
    void silent(const std::string& problem);

private:
    QThread thread_;
    RigThreadSide* side_;  // lives on thread_
    std::atomic<bool> keyed_{true};
};

}  // namespace loxar
