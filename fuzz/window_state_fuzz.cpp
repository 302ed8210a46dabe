// The window state file read into a started session, as the start does, and written back.
#include "fuzz_home.hpp"
#include "session/window_state.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    Session s = fuzz::home().fresh();
    const Text bytes(fuzz::input(data, size));
    apply_window_state(s, bytes);
    apply_window_state_mode(s, bytes);
    // Whatever was read, the text written back keeps one value per line.
    const Text written = window_state_text(s);
    if (written.find('\0') != Text::npos) __builtin_trap();
    return 0;
}
