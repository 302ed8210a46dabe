// The radio through Hamlib: a model on a serial device, or rigctld on the network. Every call
// blocks until the radio answers or times out, so the window never makes one on its own thread.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "text/result.hpp"
#include "text/text.hpp"

namespace loxar {

// How Loxar reaches the radio: a Hamlib model number with its serial device and speed, or a
// rigctld (host:port) that shares one radio between programs.
struct RigAddress {
    enum class Kind { Model, Rigctld };
    Kind kind = Kind::Rigctld;
    int model = 0;
    Text device;    // "/dev/ttyUSB0"
    int speed = 0;  // baud; 0 keeps the model's own
    Text host_port = "localhost:4532";
};

// What one poll of the radio finds.
struct RigReading {
    long long hz = 0;
    Text mode;  // Hamlib's name: "USB", "CW", "FM" ...
};

// One model of Hamlib's list, for choosing the radio by maker and model.
struct RigModel {
    int model = 0;
    Text maker;
    Text name;
};

// Every model Hamlib knows, ordered by maker and model name.
std::vector<RigModel> hamlib_models();

// An open radio. Not shared between threads: one worker owns it.
class HamlibRig {
public:
    // Opens the radio; the message says why not (no such model, device, no answer).
    static Result<std::unique_ptr<HamlibRig>> open(const RigAddress& address);
    ~HamlibRig();
    HamlibRig(const HamlibRig&) = delete;
    HamlibRig& operator=(const HamlibRig&) = delete;

    Result<RigReading> read();
    Status tune(long long hz);
    Status set_ptt(bool on_air);
    // CW from the radio's own keyer at `wpm`; not every radio has one.
    Status send_morse(const Text& text, int wpm);
    Status stop_morse();

private:
    struct Handle;
    explicit HamlibRig(std::unique_ptr<Handle> h);
    std::unique_ptr<Handle> h_;
};

}  // namespace loxar
