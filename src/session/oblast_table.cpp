// Loading the Russian oblast table from SYSTEM and the oblast of a callsign from the loaded table.
#include "session/oblast_table.hpp"

#include <algorithm>
#include <filesystem>

#include "model/file_io.hpp"
#include "session/session.hpp"

namespace loxar {

Text ru_exchange_toltes(Session& s) {
    const std::filesystem::path file = s.paths.system_dir / kOblastFile;
    std::error_code ec;
    Text status;
    if (!std::filesystem::exists(file, ec)) {
        status = "DXCC (" + text_path(file) + hu(u8") nem található!");
    } else if (auto bytes = read_file(file, kMaxSmallFileBytes); !bytes) {
        // Unreadable or far too large: the table keeps what it held.
        status = hu(u8"RU_EXCHANGE nem olvasható: ") + text_path(file);
    } else {
        OblastRead read = parse_oblast_file(*bytes);
        s.db.exchange_lista.clear();
        for (Text& e : read.entries) s.db.exchange_lista.add(std::move(e));
        if (!s.db.exchange_lista.empty()) s.db.exchange_lista.select_only(0);
        status = "RU_EXCHANGE beolvasva!";
        if (!read.bad_lines.empty()) {
            status += hu(u8" Hibás sorok kihagyva:");
            const std::size_t shown = std::min<std::size_t>(read.bad_lines.size(), 5);
            for (std::size_t i = 0; i < shown; ++i) status += " " + std::to_string(read.bad_lines[i]);
            if (read.bad_lines.size() > shown) status += " ...";
        }
    }
    s.db.ru_exchange_status = status;
    return status;
}

Text ru_exchange_kereses(const Session& s, const Text& hivojel) {
    return oblast_lookup(s.db.exchange_lista.items(), hivojel);
}

}  // namespace loxar
