// Runs the built loxar-cli as a script would and captures its exit status and one stream.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace loxar::testing {

struct CliRun {
    int status;
    std::string out;
};

// `streams` picks what is captured: "2>/dev/null" for standard output, "2>&1 >/dev/null" for
// errors.
inline CliRun run_cli(const std::string& args, const char* streams = "2>/dev/null") {
    const std::string cmd = std::string(LOXAR_CLI_PATH) + " " + args + " " + streams;
    CliRun r{0, {}};
    FILE* p = popen(cmd.c_str(), "r");
    char buf[512];
    while (p && fgets(buf, sizeof buf, p)) r.out += buf;
    const int raw = p ? pclose(p) : -1;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

}  // namespace loxar::testing
