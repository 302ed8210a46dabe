// loxar: the contest logger's window.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "core/paths.hpp"
#include "platform/qt_media_player.hpp"
#include "platform/qt_serial_port.hpp"
#include "platform/system_clock.hpp"
#include "platform/termination_signals.hpp"
#include "ui/main_window.hpp"

int main(int argc, char** argv) {
    // The audio back-end check runs in a child process of this program (see QtMediaPlayer).
    if (argc == 2 && std::strcmp(argv[1], loxar::kAudioProbeOption) == 0) {
        return loxar::run_audio_probe(argc, argv);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Loxar");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Loxar versenynapló"));
    parser.addHelpOption();
    QCommandLineOption home_option(QStringLiteral("home"),
                                   QStringLiteral("A program könyvtára (ADATOK, LOG, SYSTEM ...)."),
                                   QStringLiteral("DIR"));
    parser.addOption(home_option);
    QCommandLineOption keyer_option(QStringLiteral("keyer-port"),
                                    QStringLiteral("A billentyűző soros eszköze erre a futásra, bármelyik COM "
                                                   "helyett (pl. /dev/serial/by-id/..., /dev/pts/5)."),
                                    QStringLiteral("DEVICE"));
    parser.addOption(keyer_option);
    parser.process(app);

    std::optional<std::string> home_arg;
    if (parser.isSet(home_option)) home_arg = parser.value(home_option).toStdString();
    auto env = [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const auto home = loxar::resolve_home(home_arg, env,
                                          QCoreApplication::applicationDirPath().toStdString());

    loxar::QtSerialPort serial;
    if (parser.isSet(keyer_option)) serial.set_device(parser.value(keyer_option));
    loxar::QtMediaPlayer player(QCoreApplication::applicationFilePath());
    player.start_probe();
    loxar::SystemClock clock;
    loxar::MainWindow window(loxar::Ports{nullptr, &serial, &player, &clock});
    loxar::TerminationSignals stop_signals;
    QObject::connect(&stop_signals, &loxar::TerminationSignals::received, &window, &loxar::MainWindow::end_on_signal);
    window.show();
    if (!window.start(home)) return 1;
    return app.exec();
}
