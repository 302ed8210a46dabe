// CW keyed by something other than the keying box: what cwdaemon is sent, and how long a text
// takes on the air (the radio's own keyer gives no word when it is done).
#pragma once

#include <string_view>

#include "text/text.hpp"

namespace loxar {

// cwdaemon's requests: the speed, and stopping the message being keyed.
Text cwdaemon_speed(int wpm);
inline constexpr std::string_view kCwdaemonAbort =
    "\x1b"
    "4";
// The datagram that has cwdaemon key `text` and send it back once keyed: printable ASCII only
// (an ESC would start a request, a "^" inside would end the text early), "^" at the end.
Text cwdaemon_message(std::string_view text);

// How long keying `text` takes at `wpm`, in ms, by the standard timing: a dot is 1200 / wpm ms,
// a dash three dots, one dot between the elements of a character, three between characters
// and seven between words. A character Morse has no sign for takes no time.
long long morse_duration_ms(std::string_view text, int wpm);

}  // namespace loxar
