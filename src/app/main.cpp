// loxar: the contest logger's window.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string_view>

#include "model/home_lock.hpp"
#include "model/paths.hpp"
#include "platform/cwdaemon_output.hpp"
#include "platform/qt_media_player.hpp"
#include "platform/qt_serial_port.hpp"
#include "platform/rig_worker.hpp"
#include "platform/system_clock.hpp"
#include "platform/termination_signals.hpp"
#include "ui/main_window.hpp"
#include "ui/qt_text.hpp"

namespace {

const char* const kUsageText =
    "Használat: loxar [kapcsolók]\n"
    "\n"
    "Loxar versenynapló: a verseny QSO-inak naplózása, jegyzőkönyv, statisztika, billentyűző.\n"
    "\n"
    "Kapcsolók:\n"
    "  --home DIR          a program könyvtára: ADATOK, LOG, SYSTEM ... (alapértelmezés: LOXAR_HOME,\n"
    "                      a program mappája, ha írható, majd ~/.local/share/loxar)\n"
    "  --keyer-port DEVICE a billentyűző soros eszköze erre a futásra, bármelyik COM helyett\n"
    "                      (pl. /dev/serial/by-id/..., /dev/pts/5)\n"
    "  --help              ez a leírás\n"
    "  --version           a program változata\n";

enum class InfoRequest { none, help, version };

// --help and --version are answered before any window system is touched, so they work in a
// shell without a display.
InfoRequest info_request(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--home" || arg == "--keyer-port") {
            ++i;  // its value, whatever it looks like
        } else if (arg == "--help" || arg == "-h") {
            return InfoRequest::help;
        } else if (arg == "--version") {
            return InfoRequest::version;
        }
    }
    return InfoRequest::none;
}

// A start refused before the window: on standard error for a terminal or a script, and in a box
// where a screen shows it (on the offscreen platform no one could ever answer the box).
void refuse_start(const loxar::Text& text) {
    std::cerr << loxar::cp1250_to_utf8(text) << "\n";
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
    QMessageBox::warning(nullptr, QStringLiteral("Loxar"), loxar::qs(text));
}

}  // namespace

int main(int argc, char** argv) {
    // The audio back-end check runs in a child process of this program (see QtMediaPlayer).
    if (argc == 2 && std::strcmp(argv[1], loxar::kAudioProbeOption) == 0) {
        return loxar::run_audio_probe(argc, argv);
    }
    switch (info_request(argc, argv)) {
        case InfoRequest::help: std::cout << kUsageText; return 0;
        case InfoRequest::version: std::cout << "loxar " LOXAR_VERSION "\n"; return 0;
        case InfoRequest::none: break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Loxar");
    QApplication::setApplicationVersion(QStringLiteral(LOXAR_VERSION));
    QCommandLineParser parser;
    QCommandLineOption home_option(QStringLiteral("home"),
                                   QStringLiteral("A program könyvtára (ADATOK, LOG, SYSTEM ...)."),
                                   QStringLiteral("DIR"));
    parser.addOption(home_option);
    QCommandLineOption keyer_option(
        QStringLiteral("keyer-port"),
        QStringLiteral("A billentyűző soros eszköze erre a futásra, bármelyik COM "
                       "helyett (pl. /dev/serial/by-id/..., /dev/pts/5)."),
        QStringLiteral("DEVICE"));
    parser.addOption(keyer_option);
    // Qt's own options (-platform ...) are already taken out of the arguments by QApplication.
    if (!parser.parse(QCoreApplication::arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            std::cerr << "Hiányzó érték egy kapcsoló után.\n\n";
        } else {
            std::cerr << "Ismeretlen kapcsoló: " << unknown.first().toStdString() << "\n\n";
        }
        std::cerr << kUsageText;
        return 2;
    }

    std::optional<std::string> home_arg;
    if (parser.isSet(home_option)) home_arg = parser.value(home_option).toStdString();
    auto env = [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const auto home =
        loxar::resolve_home(home_arg, env, QCoreApplication::applicationDirPath().toStdString());
    // Taken before anything is written into the home and held until the window and its saves are
    // gone: two windows on one home would log the same serials into the same files.
    const loxar::HomeLockAttempt home_lock = loxar::lock_home(home, "loxar");
    if (home_lock.holder) {
        refuse_start(loxar::home_in_use_message(home, *home_lock.holder));
        return 1;
    }

    loxar::QtSerialPort serial;
    if (parser.isSet(keyer_option)) serial.set_device(parser.value(keyer_option));
    loxar::QtMediaPlayer player(QCoreApplication::applicationFilePath());
    player.start_probe();
    loxar::SystemClock clock;
    // The radio and cwdaemon outlive the window: the session names them until it is gone.
    loxar::RigWorker rig;
    loxar::CwdaemonOutput cwdaemon;
    loxar::MainWindow window(loxar::Ports{nullptr, &serial, &player, &clock, &rig, &cwdaemon, &rig});
    window.attach_rig(rig);
    loxar::TerminationSignals stop_signals;
    QObject::connect(&stop_signals, &loxar::TerminationSignals::received, &window,
                     &loxar::MainWindow::end_on_signal);
    window.show();
    if (!window.start(home)) return 1;
    return app.exec();
}
