// An own-data file read and put into a started session, as the start does.
#include "fuzz_home.hpp"
#include "session/own_data.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    Session s = fuzz::home().fresh();
    const OwnDataRead r = parse_own_data(Text(fuzz::input(data, size)), own_data_of(s));
    apply_own_data(s, r.data, r.values_read);
    own_data_errors(own_data_of(s));
    own_data_text(own_data_of(s));
    return 0;
}
