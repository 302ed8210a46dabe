// loxar-cli rig: what the radio says and what Loxar would log from it, for testing the set-up.
#include <iostream>

#include "cli/commands.hpp"
#include "model/bands.hpp"
#include "rig/hamlib_rig.hpp"
#include "station/rig_follow.hpp"

namespace loxar::cli {

namespace {

const char* const kRigHelp =
    "loxar-cli rig --rigctld HOST:PORT\n"
    "loxar-cli rig --model N --device ESZKÖZ [--speed BAUD]\n"
    "loxar-cli rig --list\n"
    "\n"
    "A rádió frekvenciája és üzemmódja a Hamlib könyvtáron át, és amit a Loxar ebből a\n"
    "naplóba írna: a sáv, a frekvencia mező és az üzemmód. Egy-egy sor:\n"
    "  Frekvencia: 14025600 Hz\n"
    "  Üzemmód: USB\n"
    "  Sáv: 14 MHz\n"
    "  Frekvencia mező: 14.025\n"
    "  LOG üzemmód: SSB\n"
    "\n"
    "  - --rigctld HOST:PORT: a rigctld hálózati szolgáltatás (például localhost:4532),\n"
    "    amely egy rádiót több programnak is megoszt.\n"
    "  - --model N: a Hamlib rádió típus száma (--list mutatja gyártó és típus szerint),\n"
    "    --device: a soros eszköz (például /dev/ttyUSB0), --speed: a sebesség baudban.\n"
    "  - Sáv \"---\": a frekvencia egyik sávba sem esik. 100 MHz fölött a frekvencia\n"
    "    mező \"00.000\", a naplóba a sáv kerül. Más üzemmódnál (például RTTY) a LOG\n"
    "    üzemmód \"-\": a Loxar az üzemmód választót nem állítja át.\n"
    "  - Kilépési kód 0: a rádió válaszolt; 1: nem érhető el vagy nem válaszol; 2: hibás\n"
    "    kapcsolók.\n";

int list_models() {
    for (const RigModel& m : hamlib_models())
        print(std::to_string(m.model) + "\t" + m.maker + "\t" + m.name + "\n");
    return kOk;
}

std::optional<RigAddress> address_of(const Args& a) {
    RigAddress address;
    const auto rigctld = option(a, "--rigctld");
    const auto model = option(a, "--model");
    if (rigctld.has_value() == model.has_value()) return std::nullopt;
    if (rigctld) {
        if (rigctld->empty()) return std::nullopt;
        address.host_port = *rigctld;
        return address;
    }
    const auto device = option(a, "--device");
    if (!all_digits(*model) || !device || device->empty()) return std::nullopt;
    address.kind = RigAddress::Kind::Model;
    address.model = static_cast<int>(int_value(*model));
    address.device = *device;
    if (const auto speed = option(a, "--speed")) {
        if (!all_digits(*speed)) return std::nullopt;
        address.speed = static_cast<int>(int_value(*speed));
    }
    return address;
}

}  // namespace

int run_rig(const Args& a) {
    if (a.help) {
        std::cout << kRigHelp;
        return kOk;
    }
    if (!a.positional.empty() ||
        !only_options(a, {"--rigctld", "--model", "--device", "--speed", "--list"})) {
        return kUsage;
    }
    if (has_switch(a, "--list")) return a.options.size() == 1 ? list_models() : kUsage;
    const std::optional<RigAddress> address = address_of(a);
    if (!address) return kUsage;
    auto rig = HamlibRig::open(*address);
    if (!rig) {
        error(rig.message());
        return kRefused;
    }
    const Result<RigReading> reading = (*rig)->read();
    if (!reading) {
        error(reading.message());
        return kRefused;
    }
    const int band = rig_band(reading->hz);
    print(hu(u8"Frekvencia: ") + std::to_string(reading->hz) + " Hz\n" + hu(u8"Üzemmód: ") + reading->mode +
          "\n" + hu(u8"Sáv: ") + trim(band_name(band)) + "\n" + hu(u8"Frekvencia mező: ") +
          rig_frequency_field(reading->hz) + "\n" + hu(u8"LOG üzemmód: ") +
          rig_log_mode(reading->mode).value_or("-") + "\n");
    return kOk;
}

}  // namespace loxar::cli
