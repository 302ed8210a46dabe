// What the fuzz targets share: the input as text, and a started session in a temporary home.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "core/startup.hpp"
#include "support/fake_ports.hpp"

namespace loxar::fuzz {

inline std::string_view input(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// One started session (default rule files, country and oblast tables) in a home of its own,
// made once per fuzzing process and removed at its end. Every input works on a fresh copy, so
// nothing one input changes reaches the next.
class FuzzHome {
public:
    FuzzHome() {
        std::random_device rd;
        root_ = std::filesystem::temp_directory_path() /
                ("loxar_fuzz_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(root_);
        fakes_.serial.available = true;
        started_.ports = fakes_.ports();
        Form_Load(started_, root_ / "home");
    }
    ~FuzzHome() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    FuzzHome(const FuzzHome&) = delete;
    FuzzHome& operator=(const FuzzHome&) = delete;

    // A copy of the started session, with the fakes' record of the last input dropped.
    Session fresh() {
        fakes_.ui = testing::FakeUi{};
        fakes_.serial.written.clear();
        return started_;
    }

private:
    std::filesystem::path root_;
    testing::FakePorts fakes_;
    Session started_;
};

inline FuzzHome& home() {
    static FuzzHome h;
    return h;
}

}  // namespace loxar::fuzz
