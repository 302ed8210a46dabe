// Voice messages played from WAV files through Qt Multimedia.
#pragma once

#include <QProcess>
#include <QString>
#include <QTimer>
#include <memory>

#include "session/ports.hpp"

class QAudioOutput;
class QMediaPlayer;

namespace loxar {

// The player is built when a voice message first needs it, and only after a child process has
// built one without crashing: a broken audio back end (GStreamer without its base plugins) ends
// that child, never the window.
class QtMediaPlayer : public MediaPlayer {
public:
    // `probe_program` is this program; started with kAudioProbeOption it only builds a player.
    explicit QtMediaPlayer(QString probe_program);
    ~QtMediaPlayer() override;

    // Starts the back-end check in the background, so that the first voice message need not wait.
    void start_probe();

    bool available() override;
    void set_file(const Text& path) override;
    bool open() override;
    void close() override;
    void play_from(long position_ms) override;
    void stop() override;
    void prev() override;
    bool is_open() const override;
    bool is_playing() const override;
    void set_status_interval(int interval_ms) override;
    void set_status_handler(std::function<void()> handler) override;

private:
    enum class Backend { Unknown, Working, Broken };
    void probe_finished();

    QString probe_program_;
    std::unique_ptr<QProcess> probe_;
    Backend backend_ = Backend::Unknown;
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
    QString file_;
    bool open_ = false;
    bool starting_ = false;  // play asked for, the back end not playing yet
    QTimer status_timer_;
    std::function<void()> status_handler_;
};

inline constexpr const char* kAudioProbeOption = "--audio-probe";
// The probe itself: builds a player with its audio output and ends; 0 when that worked.
int run_audio_probe(int argc, char** argv);

}  // namespace loxar
