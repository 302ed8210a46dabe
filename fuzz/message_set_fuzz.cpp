// A CW or voice message set file as "Beolvasás" loads it: the messages listed (the CW ones
// expanded as they are sent) and the set written back.
#include "fuzz_home.hpp"
#include "session/calling.hpp"
#include "session/keyer_text.hpp"
#include "station/message_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view bytes = fuzz::input(data, size);
    Session s = fuzz::home().fresh();
    for (const MessageSet set : {MessageSet::Cw, MessageSet::Voice}) {
        const MessageSetRead r = read_message_set(set, bytes);
        if (r.entries.size() > kMessageSlots) __builtin_trap();
        std::array<Text, kMessageSlots>& table =
            set == MessageSet::Cw ? s.keyer.cw_messages : s.keyer.voice_messages;
        for (std::size_t k = 0; k < r.entries.size(); ++k) table[k] = r.entries[k];
        // Whatever was loaded is saved as a set that loads again.
        if (read_message_set(set, message_set_text(set, table)).result != MessageSetRead::Result::Ok) {
            __builtin_trap();
        }
    }
    cw_combo_toltes(s);
    voice_combo_toltes(s);
    for (std::size_t k = 0; k < kFunctionKeys; ++k) (void)riport_ertelmezes(s, s.keyer.cw_messages[k]);
    return 0;
}
