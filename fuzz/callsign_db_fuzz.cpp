// A ".qra" database parsed into the sorted, indexed list and searched as the entry does.
#include "database/callsign_db.hpp"
#include "database/db_lookup.hpp"
#include "fuzz_home.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view bytes = fuzz::input(data, size);
    CallsignDb db;
    db.assign(parse_database(bytes).records);
    // The callsigns sought: the first and last records' keys, and pieces of the input itself.
    std::vector<Text> sought = {"", "HA5KDR"};
    if (!db.empty()) {
        sought.push_back(trim(col(db.at(0), 1, 15)));
        sought.push_back(trim(col(db.at(db.size() - 1), 1, 12)));
    }
    for (std::size_t n : {1u, 2u, 3u, 8u}) sought.emplace_back(bytes.substr(bytes.size() / 2, n));
    for (const Text& call : sought) {
        db.find_containing(call);
        hivojel_kereses(call);
        for (int type = 0; type < kContestTypeCount; ++type) {
            const StationFill f = station_fill(db, static_cast<ContestType>(type), call);
            for (const Text& loc : f.locators) (void)loc.size();
        }
    }
    return 0;
}
