// A log file loaded into a started session: header, lines, renumbering and re-evaluation.
#include "fuzz_home.hpp"
#include "session/log_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    loxar::Session s = loxar::fuzz::home().fresh();
    loxar::log_beolvasas(s, loxar::parse_log_file(loxar::fuzz::input(data, size)));
    return 0;
}
