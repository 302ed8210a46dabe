// A fresh home for loxar-cli with a saved log file beside it, as the window writes one.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/contest_types.hpp"
#include "model/file_io.hpp"
#include "support/run_cli.hpp"
#include "support/temp_home.hpp"

namespace loxar::testing {

constexpr const char* kErrors = "2>&1 >/dev/null";  // run_cli captures the error stream

inline std::string quoted(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

struct CliHome {
    TempHome home;
    std::filesystem::path dir = home.path().parent_path();
    std::filesystem::path log = dir / "verseny.log";

    std::string home_arg() const { return " --home " + quoted(home.path()); }
    // A log file with the header the window writes: own data, band 14, the contest type, automatic
    // save on; without `end` the closing line is left off.
    std::filesystem::path write_log(ContestType type, const std::vector<Text>& lines, bool end = true,
                                    const char* name = "verseny.log") const {
        Text t = "Log records:\r\nHA5KDR,JN97MM,PETER,2,14," + std::to_string(static_cast<int>(type)) +
                 ",BP,1,BUDAPEST,1,TESZT,1\r\n";
        for (const Text& l : lines) t += l + "\r\n";
        if (end) t += "End\r\n";
        EXPECT_TRUE(write_file_atomic(dir / name, t));
        return dir / name;
    }
};

}  // namespace loxar::testing
