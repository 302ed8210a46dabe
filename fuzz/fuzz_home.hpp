// What the fuzz targets share: the input as text, and a started session in a temporary home.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "session/startup.hpp"
#include "support/fake_ports.hpp"
#include "support/temp_home.hpp"

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
        fakes_.serial.available = true;
        started_.ports = fakes_.ports();
        // A home that cannot be made leaves every input untested: stop loudly instead.
        if (!Form_Load(started_, home_.path())) std::abort();
    }
    FuzzHome(const FuzzHome&) = delete;
    FuzzHome& operator=(const FuzzHome&) = delete;

    // A copy of the started session, with the fakes' record of the last input dropped.
    Session fresh() {
        fakes_.ui = testing::FakeUi{};
        fakes_.serial.written.clear();
        return started_;
    }
    // The fakes every fresh session is wired to (the serial port's incoming bytes, ...).
    testing::FakePorts& fakes() { return fakes_; }

private:
    testing::TempHome home_;
    testing::FakePorts fakes_;
    Session started_;
};

inline FuzzHome& home() {
    static FuzzHome h;
    return h;
}

}  // namespace loxar::fuzz
