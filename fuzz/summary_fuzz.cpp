// A ".SUM" summary file read, searched and every line's counterpart looked for.
#include "database/summary_viewer.hpp"
#include "fuzz_home.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view bytes = fuzz::input(data, size);
    const SummaryRead read = parse_summary(bytes);
    ListBox list;
    for (const Text& l : read.lines) list.add(l);
    summary_search(list, bytes.substr(bytes.size() / 2, 4));
    for (std::size_t i = 0; i < read.lines.size() && i < 64; ++i) summary_counterpart(read.lines, i);
    return 0;
}
