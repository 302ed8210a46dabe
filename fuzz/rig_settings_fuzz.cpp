// The radio's settings file as the start reads it: whatever it holds gives settings that are
// written back as a file that reads the same.
#include "fuzz_home.hpp"
#include "station/rig_settings.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const RigSettings read = parse_rig_settings(fuzz::input(data, size));
    if (read.poll_ms < kRigPollMinMs || read.poll_ms > kRigPollMaxMs) __builtin_trap();
    if (parse_rig_settings(rig_settings_text(read)) != read) __builtin_trap();
    return 0;
}
