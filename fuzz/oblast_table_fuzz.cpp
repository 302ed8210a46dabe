// The oblast table parsed and looked up with callsigns of every shape the lookup tells apart.
#include "database/oblast_table.hpp"
#include "fuzz_home.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view bytes = fuzz::input(data, size);
    const OblastRead read = parse_oblast_file(bytes);
    for (const char* call : {"UA3ABC", "RA9X", "R1AN", "R1FJ/P", "U", "", "UA33", "R9"}) {
        oblast_lookup(read.entries, call);
    }
    oblast_lookup(read.entries, bytes.substr(0, 8));
    return 0;
}
