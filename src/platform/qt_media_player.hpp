// Voice messages played from WAV files through Qt Multimedia.
#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>

#include "core/ports.hpp"

namespace loxar {

class QtMediaPlayer : public MediaPlayer {
public:
    QtMediaPlayer();
    void set_file(const Text& path) override;
    bool open() override;
    void close() override;
    void play_from(long position_ms) override;
    void stop() override;
    bool is_open() const override;
    bool is_playing() const override;

private:
    QMediaPlayer player_;
    QAudioOutput output_;
    QString file_;
    bool open_ = false;
};

}  // namespace loxar
