// Bytes from the serial line read by two poll steps of a started session, as they may arrive in
// two pieces; then what the replies feed: the gains, the EPROM read-back and a calling step.
#include "fuzz_home.hpp"
#include "session/calling.hpp"
#include "session/keying_box.hpp"
#include "station/box_protocol.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view bytes = fuzz::input(data, size);
    Session s = fuzz::home().fresh();
    testing::FakeSerial& serial = fuzz::home().fakes().serial;
    serial.opened = true;
    // The first byte chooses where the line is cut between the two reads.
    const std::size_t cut = size > 0 ? data[0] % (size + 1) : 0;
    for (const std::string_view piece : {bytes.substr(0, cut), bytes.substr(cut)}) {
        s.keyer.poll_phase = PollPhase::Read;
        serial.incoming = Text(piece);
        USB_kezeles(s);
    }
    // A line cut anywhere is split as the whole would be.
    Text whole_rest;
    const std::vector<Text> whole = split_replies(whole_rest, bytes);
    Text piece_rest;
    std::vector<Text> pieces = split_replies(piece_rest, bytes.substr(0, cut));
    for (Text& line : split_replies(piece_rest, bytes.substr(cut))) pieces.push_back(std::move(line));
    if (pieces != whole || piece_rest != whole_rest || s.keyer.receive_line != whole_rest) __builtin_trap();
    if (whole_rest.find_first_of("\r\n-") != Text::npos) __builtin_trap();

    analog_frissites(s);
    (void)eprom_settings_from_slot(s.keyer.last_memory_line);
    s.qso.mod_combo.set(2);  // CW: a calling step reads the remaining count the box reported
    s.keyer.calling_state = CallingStep::Wait;
    call_vekker_Timer(s);
    return 0;
}
