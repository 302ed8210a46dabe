// Media player adapter.
#include "platform/qt_media_player.hpp"

#include <QFileInfo>
#include <QUrl>

namespace loxar {

QtMediaPlayer::QtMediaPlayer() { player_.setAudioOutput(&output_); }

void QtMediaPlayer::set_file(const Text& path) {
    file_ = QString::fromStdString(cp1250_to_utf8(path));
}

bool QtMediaPlayer::open() {
    if (file_.isEmpty() || !QFileInfo(file_).isFile()) return false;
    player_.setSource(QUrl::fromLocalFile(file_));
    open_ = true;
    return true;
}

void QtMediaPlayer::close() {
    player_.stop();
    player_.setSource(QUrl());
    open_ = false;
}

void QtMediaPlayer::play_from(long position_ms) {
    if (!open_) return;
    player_.setPosition(position_ms);
    player_.play();
}

void QtMediaPlayer::stop() { player_.stop(); }

bool QtMediaPlayer::is_open() const { return open_; }

bool QtMediaPlayer::is_playing() const {
    return player_.playbackState() == QMediaPlayer::PlayingState;
}

}  // namespace loxar
