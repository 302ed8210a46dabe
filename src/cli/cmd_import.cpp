// loxar-cli import: an EDI, Cabrillo, ADIF, log or callsign-list file converted as the Import panel
// converts it, written in the log file format as its "Mentés" writes it.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/cli_session.hpp"
#include "cli/commands.hpp"
#include "exchange/log_import.hpp"
#include "model/bands.hpp"
#include "model/file_io.hpp"
#include "session/contest_rules.hpp"
#include "session/log_file.hpp"
#include "session/own_data.hpp"

namespace loxar::cli {

namespace {

const char* const kImportHelp =
    "loxar-cli import BEMENET --contest TÍPUS [--filter SZŰRŐ] [-o KIMENET.import] [--home DIR]\n"
    "\n"
    "Egy másik programból (vagy a Loxar-ból) jött napló átalakítása a verseny LOG soraivá,\n"
    "ahogy az Import panel \"Feldolgozás\" gombja csinálja. A formátumot az első sor dönti el:\n"
    "EDI (REG1TEST), Cabrillo (START-OF-LOG), ADIF, LOG file (Log records:) vagy\n"
    "\"Callsign\" fejlécű hívójel lista.\n"
    "\n"
    "  --contest TÍPUS  a verseny típusa, a típusválasztó egyik eleme: IARU, YL-OM, CQ-BP,\n"
    "                   EXCHANGE, HADX, CQWW-VHF, HA-QRP, RH-OB, RUDX-ALL, RUDX-TWO, HSKC,\n"
    "                   \"SILENT KEY MEM\", DX, NMARK, REF, SWL-Általános\n"
    "  --filter SZŰRŐ   csak ennek a sávnak a QSO-i (\"145 MHz\", \"7 MHz\" ...), vagy HA&HG:\n"
    "                   Cabrillo bemenetből csak a HA és HG állomások\n"
    "  -o KIMENET       ide írja a sorokat a LOG file formátumában (mint a \"Mentés\");\n"
    "                   nélküle a szabványos kimenetre. A fejlécbe a saját adatok kerülnek.\n"
    "  - Ismeretlen típus vagy szűrő: kilépési kód 2. Ismeretlen formátum, ismeretlen sáv,\n"
    "    bináris vagy olvashatatlan file: üzenet a hibakimeneten, kilépési kód 1.\n";

int contest_index(const std::string& name) {
    const Text wanted = utf8_to_cp1250(name);
    const auto& names = contest_type_names();
    for (std::size_t i = 1; i < names.size(); ++i) {
        if (names[i] == wanted) return static_cast<int>(i);
    }
    return -1;
}

// The filter item named: a band text of the table (trimmed) or "HA&HG".
std::optional<Text> filter_item(const std::string& name) {
    const Text wanted = trim(utf8_to_cp1250(name));
    if (wanted == kHaHgFilter) return wanted;
    for (int i = 0; i < kBandCount; ++i) {
        if (trim(band_name(i)) == wanted) return band_name(i);
    }
    return std::nullopt;
}

// The log file text on its way out while its lines are made: to the -o file (a temporary renamed
// over it at the end) or to stdout. It goes in pieces, so a huge import is never held whole; the
// first piece leaves only once lines follow the head, so a refused input writes nothing.
class ImportOutput {
public:
    explicit ImportOutput(std::optional<std::string> out) : out_(std::move(out)) {
        if (out_) file_.emplace(std::filesystem::path(*out_));
    }

    // The text gathered so far, to append to.
    Text& text() { return piece_; }
    // Sends the gathered text on when it has grown to a piece.
    void send_if_full() {
        if (piece_.size() >= kPiece) send();
    }
    bool finish() {
        send();
        if (!file_) {
            std::cout.flush();
            return static_cast<bool>(std::cout);
        }
        if (file_->commit()) return true;
        error(hu(u8"Nem sikerült menteni: ") + text_path(*out_));
        return false;
    }

private:
    static constexpr std::size_t kPiece = 256 * 1024;

    void send() {
        if (file_) {
            file_->write(piece_);
        } else {
            std::cout.write(piece_.data(), static_cast<std::streamsize>(piece_.size()));
        }
        piece_.clear();
    }

    std::optional<std::string> out_;
    std::optional<AtomicFileWriter> file_;
    Text piece_;
};

}  // namespace

int run_import(const Args& a) {
    if (a.help) {
        std::cout << kImportHelp;
        return kOk;
    }
    if (a.positional.size() != 1 || !only_options(a, {"--contest", "--filter", "-o"})) return kUsage;
    const std::optional<std::string> contest = option(a, "--contest");
    if (!contest) return kUsage;
    const int type = contest_index(*contest);
    if (type < 0) {
        error(hu(u8"Ismeretlen verseny típus: ") + utf8_to_cp1250(*contest));
        return kUsage;
    }
    Text filter;
    if (const std::optional<std::string> f = option(a, "--filter")) {
        const std::optional<Text> item = filter_item(*f);
        if (!item) {
            error(hu(u8"Ismeretlen szűrő: ") + utf8_to_cp1250(*f));
            return kUsage;
        }
        filter = *item;
    }
    CommandSession c;
    if (!start_session(c, a, SessionStart::WithoutCountries)) return kRefused;
    Session& s = c.s;
    sajat_adat_beolvasas(s);
    s.szabaly_combo.set(type);
    szabaly_combo_Click(s);
    // The header must not switch a loading window's automatic save onto the operator's files.
    s.auto_mentes_combo.set(0);

    const std::filesystem::path input_path(a.positional[0]);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(input_path, ec)) {
        error(hu(u8"A file nem található: ") + text_path(input_path));
        return kRefused;
    }
    // Read chunk by chunk, not mapped: any size in bounded memory, and a file cut short by
    // another program meanwhile only ends the input early.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(input_path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        error(hu(u8"A file nem olvasható: ") + text_path(input_path));
        return kRefused;
    }
    const ImportRead read = [&file](char* out, std::size_t n) { return std::fread(out, 1, n, file.get()); };
    const ImportSettings settings{s.contest(), filter, s.qso.kezelo_text, s.qso.qth_text,
                                  s.station.exch_text};
    ImportOutput output(option(a, "-o"));
    append_log_file_head(output.text(), log_file_header(s));
    const ImportResult result = convert_import(read, settings, [&output](std::string_view line) {
        append_log_file_line(output.text(), line);
        output.send_if_full();
    });
    if (!result.error.empty() || std::ferror(file.get())) {
        error(result.error.empty() ? hu(u8"A file nem olvasható: ") + text_path(input_path) : result.error);
        return kRefused;
    }
    append_log_file_end(output.text());
    if (const Text skipped = import_skipped_message(result); !skipped.empty()) error(skipped);
    if (result.left_out > 0) error(log_lines_left_out_message(result.left_out));
    return output.finish() ? kOk : kRefused;
}

}  // namespace loxar::cli
