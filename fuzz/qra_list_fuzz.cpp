// A ".qra" file read into the "Hívójel lista" working list, written back, merged and searched.
#include "database/qra_list.hpp"
#include "fuzz_home.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view bytes = fuzz::input(data, size);
    std::optional<QraListRead> read = parse_qra_list(bytes);
    if (!read) return 0;
    std::vector<Text>& records = read->records;
    (void)parse_qra_list(qra_file_text(records));
    const ExchangeQuestion yes = [](const Text&, const Text&, const Text&) { return true; };
    for (std::size_t i = 0; i < records.size() && i < 8; ++i) {
        QraEntry e = entry_of_record(records[i]);
        const long found = find_station(records, trim(e.call));
        std::optional<Text> old;
        if (found >= 0) old = records[static_cast<std::size_t>(found)];
        replace_station(records, found, merged_record(old, e, IrasFunkcio::Add, yes));
        find_typed(records, e.call);
    }
    return 0;
}
