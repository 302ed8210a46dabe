// A temporary home directory per test, removed afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace loxar::testing {

class TempHome {
public:
    TempHome() {
        std::random_device rd;
        root_ = std::filesystem::temp_directory_path() /
                ("loxar_test_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(root_);
    }
    ~TempHome() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
        std::filesystem::remove(root_.string() + "_file", ec);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;
    std::filesystem::path path() const { return root_ / "home"; }

private:
    std::filesystem::path root_;
};

}  // namespace loxar::testing
