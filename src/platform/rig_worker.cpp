#include "platform/rig_worker.hpp"

#include <QTimer>
#include <memory>

#include "platform/qt_serial_port.hpp"
#include "rig/hamlib_rig.hpp"
#include "station/cw_keying.hpp"

namespace loxar {

namespace {

// A radio that does not answer is asked again this often, not at every poll.
constexpr int kRetryMs = 3000;
// A transmitter keyed for a voice message is let go after this long, whatever else happens.
constexpr int kPttLimitMs = 60'000;

}  // namespace

// Everything that touches Hamlib, on the worker thread.
class RigThreadSide : public QObject {
    Q_OBJECT
public:
    explicit RigThreadSide(std::atomic<bool>& keyed) : keyed_(keyed) {
        // On a fixed schedule: the time a read takes does not stretch the interval.
        connect(&poll_, &QTimer::timeout, this, &RigThreadSide::poll);
        ptt_limit_.setSingleShot(true);
        connect(&ptt_limit_, &QTimer::timeout, this, [this] { set_ptt(false); });
        keying_.setSingleShot(true);
        connect(&keying_, &QTimer::timeout, this, [this] { keyed_ = true; });
    }

    void configure(const RigSettings& settings) {
        // The same radio is kept (the worker is told as the radio and as its keyer); its next
        // reading goes to the window again, which has just forgotten the last.
        if (rig_ && settings == settings_) {
            last_ = {};
            answering_ = false;
            return;
        }
        set_ptt(false);
        rig_.reset();
        settings_ = settings;
        last_ = {};
        poll_.stop();
        if (settings_.link != RigLink::None) QTimer::singleShot(0, this, &RigThreadSide::poll);
    }

    void tune(long long hz, unsigned sequence) {
        sequence_ = sequence;
        if (rig_) {
            if (const Status tuned = rig_->tune(hz); !tuned) drop(tuned.message());
        }
        last_ = {};  // the next reading goes out whatever it says, with the new sequence
    }

    void set_ptt(bool on) {
        if (!on) ptt_limit_.stop();
        if (!rig_ || on == ptt_on_) return;
        if (rig_->set_ptt(on)) {
            ptt_on_ = on;
            if (on) ptt_limit_.start(kPttLimitMs);
        }
    }

    void morse(const Text& text, int wpm) {
        keying_.stop();
        if (!rig_ || !rig_->send_morse(text, wpm)) {
            keyed_ = true;
            return;
        }
        keying_.start(static_cast<int>(morse_duration_ms(text, wpm)));
    }

    void stop_morse() {
        keying_.stop();
        if (rig_) (void)rig_->stop_morse();  // a radio without a keyer has nothing to stop
        keyed_ = true;
    }

    // At the end: off the air first, then the radio is let go.
    void shut_down() {
        set_ptt(false);
        poll_.stop();
        rig_.reset();
    }

signals:
    void reading(long long hz, const std::string& mode, unsigned sequence);
    void silent(const std::string& problem);

private:
    void poll() {
        if (settings_.link == RigLink::None) return;
        if (!rig_ && !open()) {
            every(kRetryMs);
            return;
        }
        Result<RigReading> r = rig_->read();
        if (!r) {
            drop(r.message());
            every(kRetryMs);
            return;
        }
        // Only news goes to the window: an unchanged radio costs it nothing. A radio that answers
        // again is news, which the window takes as its answer.
        if (r->hz != last_.hz || r->mode != last_.mode || !answering_) {
            last_ = *r;
            answering_ = true;
            emit reading(r->hz, r->mode, sequence_);
        }
        every(settings_.poll_ms);
    }

    void every(int ms) {
        if (poll_.interval() != ms || !poll_.isActive()) poll_.start(ms);
    }

    bool open() {
        RigAddress a;
        a.kind = settings_.link == RigLink::Rigctld ? RigAddress::Kind::Rigctld : RigAddress::Kind::Model;
        a.model = settings_.model;
        a.device = settings_.device;
        a.speed = settings_.speed;
        a.host_port = settings_.rigctld;
        auto opened = HamlibRig::open(a);
        if (!opened) {
            report_silent(opened.message());
            return false;
        }
        rig_ = std::move(*opened);
        // A radio left on the air by an earlier run that ended badly is taken off it.
        if (settings_.ptt == VoicePtt::Rig) (void)rig_->set_ptt(false);
        return true;
    }

    void drop(const Text& problem) {
        rig_.reset();
        ptt_on_ = false;
        report_silent(problem);
    }

    void report_silent(const Text& problem) {
        answering_ = false;
        last_ = {};
        emit silent(problem);
    }

    std::atomic<bool>& keyed_;
    RigSettings settings_;
    std::unique_ptr<HamlibRig> rig_;
    // Children, so that they move to the worker's thread with it.
    QTimer poll_{this}, ptt_limit_{this}, keying_{this};
    RigReading last_;
    unsigned sequence_ = 0;
    bool answering_ = false;
    bool ptt_on_ = false;
};

RigWorker::RigWorker() : side_(new RigThreadSide(keyed_)) {
    side_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, side_, &QObject::deleteLater);
    connect(side_, &RigThreadSide::reading, this, &RigWorker::reading, Qt::QueuedConnection);
    connect(side_, &RigThreadSide::silent, this, &RigWorker::silent, Qt::QueuedConnection);
    thread_.start();
    // Even the model list is Hamlib's work: it loads every back end. It comes back to the
    // window's thread, where it is announced.
    QMetaObject::invokeMethod(side_, [this] {
        std::vector<RigModel> list = hamlib_models();
        QMetaObject::invokeMethod(this, [this, list = std::move(list)] { emit models(list); });
    });
}

RigWorker::~RigWorker() {
    QMetaObject::invokeMethod(
        side_, [s = side_] { s->shut_down(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void RigWorker::configure(const RigSettings& settings) {
    RigSettings st = settings;
    // "COM3" names the same device as the keying box's selector does.
    const Text name = upper_hu(st.device);
    const std::string_view number = std::string_view(name).substr(std::min<std::size_t>(3, name.size()));
    if (name.starts_with("COM") && all_digits(number) && number.size() <= 2) {
        st.device =
            utf8_to_cp1250(QtSerialPort::device_for(static_cast<int>(int_value(number))).toStdString());
    }
    keyed_ = true;
    QMetaObject::invokeMethod(side_, [s = side_, st] { s->configure(st); });
}

void RigWorker::tune(long long hz, unsigned sequence) {
    QMetaObject::invokeMethod(side_, [s = side_, hz, sequence] { s->tune(hz, sequence); });
}

void RigWorker::ptt(bool on_air) {
    QMetaObject::invokeMethod(side_, [s = side_, on_air] { s->set_ptt(on_air); });
}

void RigWorker::send(const Text& text, int wpm) {
    keyed_ = false;
    QMetaObject::invokeMethod(side_, [s = side_, text, wpm] { s->morse(text, wpm); });
}

void RigWorker::stop() {
    QMetaObject::invokeMethod(side_, [s = side_] { s->stop_morse(); });
}

}  // namespace loxar

#include "rig_worker.moc"
