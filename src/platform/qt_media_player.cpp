// Media player adapter.
#include "platform/qt_media_player.hpp"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace loxar {

namespace {

// A probe that has not answered by then is taken as a hung back end.
constexpr int kProbeWaitMs = 10000;

}  // namespace

QtMediaPlayer::QtMediaPlayer(QString probe_program) : probe_program_(std::move(probe_program)) {
    QObject::connect(&status_timer_, &QTimer::timeout, [this] {
        if (status_handler_) status_handler_();
    });
}

QtMediaPlayer::~QtMediaPlayer() {
    if (probe_ && probe_->state() != QProcess::NotRunning) {
        probe_->kill();
        probe_->waitForFinished(1000);
    }
}

void QtMediaPlayer::start_probe() {
    if (probe_ || backend_ != Backend::Unknown) return;
    probe_ = std::make_unique<QProcess>();
    // A broken back end's complaints are the probe's answer, not the operator's business.
    probe_->setStandardOutputFile(QProcess::nullDevice());
    probe_->setStandardErrorFile(QProcess::nullDevice());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe_->setProcessEnvironment(env);
    QObject::connect(probe_.get(), &QProcess::finished, [this] { probe_finished(); });
    QObject::connect(probe_.get(), &QProcess::errorOccurred, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) backend_ = Backend::Broken;
    });
    probe_->start(probe_program_, {QString::fromLatin1(kAudioProbeOption)});
}

void QtMediaPlayer::probe_finished() {
    if (backend_ != Backend::Unknown || !probe_) return;
    const bool ok = probe_->exitStatus() == QProcess::NormalExit && probe_->exitCode() == 0;
    backend_ = ok ? Backend::Working : Backend::Broken;
}

bool QtMediaPlayer::available() {
    if (backend_ == Backend::Unknown) {
        start_probe();
        if (probe_ && !probe_->waitForFinished(kProbeWaitMs)) {
            probe_->kill();
            probe_->waitForFinished(1000);
            backend_ = Backend::Broken;
        }
        probe_finished();
    }
    if (backend_ != Backend::Working) return false;
    if (!player_) {
        output_ = std::make_unique<QAudioOutput>();
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(output_.get());
        QObject::connect(player_.get(), &QMediaPlayer::playbackStateChanged,
                         [this](QMediaPlayer::PlaybackState st) {
                             if (st == QMediaPlayer::PlayingState) starting_ = false;
                         });
    }
    return true;
}

void QtMediaPlayer::set_file(const Text& path) {
    file_ = QString::fromStdString(cp1250_to_utf8(path));
}

bool QtMediaPlayer::open() {
    if (file_.isEmpty() || !QFileInfo(file_).isFile() || !available()) return false;
    player_->setSource(QUrl::fromLocalFile(file_));
    open_ = true;
    return true;
}

void QtMediaPlayer::close() {
    starting_ = false;
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
    open_ = false;
}

void QtMediaPlayer::play_from(long position_ms) {
    if (!open_ || !player_) return;
    player_->setPosition(position_ms);
    player_->play();
    // The back end may start a moment later; until then the message counts as playing.
    starting_ = true;
}

void QtMediaPlayer::stop() {
    starting_ = false;
    if (player_) player_->stop();
}

void QtMediaPlayer::prev() {
    if (player_) player_->setPosition(0);
}

void QtMediaPlayer::set_status_interval(int interval_ms) {
    if (interval_ms > 0) {
        status_timer_.start(interval_ms);
    } else {
        status_timer_.stop();
    }
}

void QtMediaPlayer::set_status_handler(std::function<void()> handler) {
    status_handler_ = std::move(handler);
    if (!status_handler_) status_timer_.stop();
}

bool QtMediaPlayer::is_open() const {
    return open_;
}

bool QtMediaPlayer::is_playing() const {
    if (!player_) return false;
    if (player_->playbackState() == QMediaPlayer::PlayingState) return true;
    if (!starting_) return false;
    const auto media = player_->mediaStatus();
    return player_->error() == QMediaPlayer::NoError && media != QMediaPlayer::InvalidMedia &&
           media != QMediaPlayer::NoMedia && media != QMediaPlayer::EndOfMedia;
}

int run_audio_probe(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QAudioOutput output;
    QMediaPlayer player;
    player.setAudioOutput(&output);
    return 0;
}

}  // namespace loxar
