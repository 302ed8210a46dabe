// loxar-cli rig against Hamlib's dummy radio behind a real rigctld on a free local port.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/local_daemon.hpp"
#include "support/run_cli.hpp"

namespace loxar {
namespace {

using testing::run_cli;

struct Rigctld {
    int port = testing::free_port();
    testing::LocalDaemon daemon{{"rigctld", "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port)}, port};
    std::string address() const { return "127.0.0.1:" + std::to_string(port); }
    // Turns the dial as another program sharing the radio would.
    void tune(const std::string& hz, const std::string& mode) const {
        const std::string cmd = "rigctl -m 2 -r " + address() + " F " + hz + " M " + mode + " 0";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
};

TEST(RigCli, PrintsWhatTheLogWouldTakeFromTheRadio) {
    Rigctld rig;
    ASSERT_TRUE(rig.daemon.started());
    const struct {
        const char* hz;
        const char* mode;
        const char* out;
    } cases[] = {
        {"14025600", "USB",
         "Frekvencia: 14025600 Hz\nÜzemmód: USB\nSáv: 14 MHz\nFrekvencia mező: 14.025\nLOG üzemmód: SSB\n"},
        {"144300000", "CWR",
         "Frekvencia: 144300000 Hz\nÜzemmód: CWR\nSáv: 145 MHz\nFrekvencia mező: 00.000\nLOG üzemmód: CW\n"},
        {"7040000", "RTTY",
         "Frekvencia: 7040000 Hz\nÜzemmód: RTTY\nSáv: 7 MHz\nFrekvencia mező: 07.040\nLOG üzemmód: -\n"},
    };
    for (const auto& c : cases) {
        rig.tune(c.hz, c.mode);
        const testing::CliRun r = run_cli("rig --rigctld " + rig.address());
        EXPECT_EQ(r.status, 0) << c.hz;
        EXPECT_EQ(r.out, c.out);
    }

    rig.daemon.stop();
    const testing::CliRun gone = run_cli("rig --rigctld " + rig.address(), "2>&1 >/dev/null");
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.out.rfind("A rádió nem érhető el (" + rig.address() + "): ", 0), 0u) << gone.out;
}

TEST(RigCli, Usage) {
    for (const char* args :
         {"rig", "rig --rigctld", "rig --rigctld a:1 --model 1", "rig --model x --device d", "rig --model 1",
          "rig --list --model 1", "rig extra"}) {
        EXPECT_EQ(run_cli(args).status, 2) << args;
    }
    EXPECT_EQ(run_cli("rig --help").status, 0);
    EXPECT_NE(run_cli("rig --list").out.find("1\tHamlib\tDummy\n"), std::string::npos);
}

}  // namespace
}  // namespace loxar
