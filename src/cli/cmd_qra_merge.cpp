// loxar-cli qra-merge: the stations of a saved log merged into a callsign database, as
// "Beolvasás", "LOG feldolgozás" and "Mentés" of the "Hívójel lista" panel do it.
#include <filesystem>
#include <iostream>

#include "cli/cli_session.hpp"
#include "cli/commands.hpp"
#include "database/callsign_db.hpp"
#include "database/qra_list.hpp"
#include "model/file_io.hpp"

namespace loxar::cli {

namespace {

const char* const kQraMergeHelp =
    "loxar-cli qra-merge LOGFILE [--base ALAP.qra] [-o KIMENET.qra] [--replace-exchange] [--home DIR]\n"
    "\n"
    "Egy mentett LOG állomásai egy hívójel listába, ahogy a \"Hívójel lista\" panel\n"
    "\"Beolvasás\", \"LOG feldolgozás\" és \"Mentés\" gombja teszi. A verseny típusát\n"
    "a LOG fejléce adja.\n"
    "\n"
    "  --base ALAP.qra     ebből a listából indul (első sora: QRA lista); nélküle üres listából.\n"
    "  -o KIMENET          ide írja a listát; nélküle a szabványos kimenetre.\n"
    "  --replace-exchange  eltérő EXCHANGE esetén az új marad (alapértelmezés: a régi).\n"
    "  - Hibás LOG vagy lista, üres eredmény vagy sikertelen mentés: üzenet, kilépési kód 1.\n";

}  // namespace

int run_qra_merge(const Args& a) {
    if (a.help) {
        std::cout << kQraMergeHelp;
        return kOk;
    }
    if (a.positional.size() != 1 || !only_options(a, {"-o", "--base", "--replace-exchange"})) return kUsage;
    CommandSession c;
    if (!start_session(c, a)) return kRefused;
    Session& s = c.s;

    std::vector<Text> records;
    if (const std::optional<std::string> base = option(a, "--base")) {
        const std::optional<Text> bytes = read_file(std::filesystem::path(*base));
        if (!bytes) {
            error(hu(u8"A hívójel lista nem olvasható be (túl nagy vagy hibás): ") + text_path(*base));
            return kRefused;
        }
        std::optional<QraListRead> read = parse_qra_list(*bytes);
        if (!read) {
            error(hu(u8"Nem QRA lista!"));
            return kRefused;
        }
        if (read->left_out > 0) {
            error(hu(u8"A hívójel listából az első ") + std::to_string(kMaxDatabaseRecords) +
                  hu(u8" állomás fért be, további ") + std::to_string(read->left_out) +
                  hu(u8" sor kimaradt."));
        }
        records = std::move(read->records);
    }
    if (!load_log(s, std::filesystem::path(a.positional[0]))) return kRefused;

    const bool replace = has_switch(a, "--replace-exchange");
    QraEntry fields;
    merge_log(records, s.log_lista.items(), s.contest(), fields,
              [replace](const Text&, const Text&, const Text&) { return replace; });
    if (records.empty()) {
        error(hu(u8"Nincs mit menteni!"));
        return kRefused;
    }
    return write_result(a, qra_file_text(records));
}

}  // namespace loxar::cli
