// The call settings file read into a started session as the start does, its CW messages listed
// and expanded, the settings line built from what was read, and the file written back.
#include "fuzz_home.hpp"
#include "session/calling.hpp"
#include "session/keyer_text.hpp"
#include "session/keying_box.hpp"
#include "station/message_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view bytes = fuzz::input(data, size);
    Session s = fuzz::home().fresh();
    apply_call_settings(s, bytes);
    cw_combo_toltes(s);
    voice_combo_toltes(s);
    for (std::size_t k = 0; k < kFunctionKeys; ++k) (void)riport_ertelmezes(s, s.keyer.cw_messages[k]);
    if (USB_parancs_osszerakas(s).size() != 25) __builtin_trap();
    // A file the program wrote from what it read reads back as the same file.
    if (const std::optional<CallSettings> c = read_call_settings(bytes)) {
        const Text written = call_settings_text(*c);
        const std::optional<CallSettings> again = read_call_settings(written);
        if (!again || call_settings_text(*again) != written) __builtin_trap();
    }
    return 0;
}
