// A backup file rebuilt into a log and appended to the session's log, as "Hozzáfűzés" does.
#include "fuzz_home.hpp"
#include "session/backup.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    loxar::Session s = loxar::fuzz::home().fresh();
    loxar::BackupRebuild rebuilt = loxar::rebuild_from_backup(loxar::fuzz::input(data, size));
    for (loxar::Text& line : rebuilt.log) s.vegyes.backup_lista.add(std::move(line));
    loxar::backup_cmd_Click(s, 1);
    return 0;
}
