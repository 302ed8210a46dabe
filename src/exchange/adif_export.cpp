// ADIF export: one record per log line, its fields taken by name from the line's layout.
#include "exchange/adif_export.hpp"

#include <string_view>

#include "core/band_change.hpp"
#include "core/bands.hpp"
#include "core/file_io.hpp"
#include "core/log_fields.hpp"
#include "core/qso_line.hpp"
#include "core/subsystems.hpp"
#include "reports/adif_report.hpp"

namespace loxar {

namespace {

using enum Field;
using T = ContestType;

const Text kSix(6, ' ');
const Text kEoh = "<EOH>";
const Text kEor = "<EOR>";

// One field. ADIF counts the bytes of a value, which a cp1250 text has one per character; a
// line break inside a value would end the record line, so it goes out as a blank.
Text f(std::string_view name, const Text& value) {
    return adif_mezo_kepzes(Text(name), one_line(value));
}
// A field left out when its value is empty.
Text f_if(std::string_view name, const Text& value) {
    return value.empty() ? Text() : f(name, value);
}

// Reports and serials: a number written as plain digits ("059" -> 59, "0012" -> 12); anything
// else ("5NN", an exchange text) as its trimmed text rather than a made-up number.
Text as_number(std::string_view column_text) {
    const Text t = trim(column_text);
    return is_numeric(t) ? std::to_string(int_value(t)) : t;
}

// The wavelength of the band-table entry the band field names ("145 MHz" -> "2m"); empty for a
// field that names none (a frequency, a damaged line).
Text adif_band(std::string_view band_field) {
    const Text band = trim(band_field);
    for (int i = 0; i < kBandCount; ++i) {
        if (trim(band_name(i)) == band) return trim(band_wavelength(i));
    }
    return {};
}

// "AA00AA" stands for a locator that was never received; it is no square to pass on.
Text square(const Text& locator) {
    const Text l = trim(locator);
    return l.empty() || kNoLocator.starts_with(l) ? Text() : l;
}

class Record {
public:
    Record(const Text& line, LineLayout layout) : line_(line), layout_(layout) {}

    Text get(Field fld) const { return field(line_, layout_, fld); }
    Text trimmed(Field fld) const { return field_trimmed(line_, layout_, fld); }
    // The first `n` columns of a field, trimmed: the export's own cut of a longer field.
    Text first(Field fld, std::size_t n) const { return trim(col(get(fld), 1, n)); }

    Text date_time() const {
        return f("QSO_DATE", adif_date(get(Date))) + f("TIME_ON", adif_time(get(Time)));
    }
    Text band_mode() const { return f("BAND", adif_band(get(Band))) + f("MODE", trimmed(Mode)); }

private:
    const Text& line_;
    LineLayout layout_;
};

struct Exchange {
    Text sent, received;
};

// The sent and received exchange fields of the general layout by contest type.
Exchange general_exchange(const Record& r, T type) {
    const Text sent = r.get(SentSerial);
    const Text received = r.get(ReceivedSerial);
    switch (type) {
        case T::Iaru:
        case T::CqBp: return {f("STX", as_number(sent)), f("SRX", as_number(received))};
        case T::Exchange: return {f("STX", as_number(sent)), f("SRX", trim(received))};
        case T::RudxAll:
        case T::RudxTwo: return {f("STX", as_number(sent)), f("SRX_STRING", trim(received))};
        case T::YlOm: return {f("STX_STRING", as_number(sent)), f("SRX_STRING", as_number(received))};
        // The sent exchange of these is the two-character county or oblast code.
        case T::Hadx:
        case T::RhOb: return {f("STX_STRING", trim(col(sent, 1, 2))), f("SRX_STRING", trim(received))};
        // Serial and category letter as they stand ("015B").
        case T::Hskc: return {f("STX_STRING", sent), f("SRX_STRING", received)};
        default: return {};
    }
}

Text general_locator(const Record& r, T type) {
    if (type == T::Iaru || type == T::CqBp) {
        return f_if("GRIDSQUARE", square(r.get(ReceivedLocator))) +
               f("DISTANCE", as_number(r.get(Distance)));
    }
    // CQ-WW-VHF counts squares: the locator's first four characters.
    if (type == T::CqwwVhf) return f_if("GRIDSQUARE", square(r.first(ReceivedLocator, 4)));
    return {};
}

Text own_station_line(const ExportStation& own) {
    return f("STATION_CALLSIGN", trim(own.call)) + f("MY_NAME", trim(own.name)) +
           f("MY_CITY", trim(own.qth)) + f("MY_GRIDSQUARE", trim(own.locator));
}

void general_record(std::vector<Text>& out, const Record& r, T type, const ExportStation& own) {
    out.push_back(own_station_line(own));
    out.push_back(kSix + r.date_time() + f("CALL", r.trimmed(Call)) +
                  f_if("NAME", r.trimmed(ReceivedName)));
    const Exchange x = general_exchange(r, type);
    out.push_back(kSix + r.band_mode() + f("RST_SENT", as_number(r.get(SentReport))) + x.sent +
                  f("RST_RCVD", as_number(r.get(ReceivedReport))) + x.received +
                  general_locator(r, type));
    out.push_back(kEor);
}

// HA-QRP and DX; NMARK lines hold the same values (callsign, reports, names, QTHs) in their own
// columns, so they go out in the same form.
void qrp_record(std::vector<Text>& out, const Record& r, const ExportStation& own) {
    out.push_back(r.date_time() + r.band_mode());
    // The own name and QTH as their first 10 and 16 columns, the received QTH as its first 20.
    out.push_back(kSix + f("STATION_CALLSIGN", trim(own.call)) +
                  f("RST_SENT", as_number(r.get(SentReport))) + f("MY_NAME", r.first(OwnName, 10)) +
                  f("MY_CITY", r.first(OwnQth, 16)));
    out.push_back(kSix + f("CALL", r.trimmed(Call)) + f("RST_RCVD", as_number(r.get(ReceivedReport))) +
                  f_if("NAME", r.trimmed(ReceivedName)) + f_if("QTH", r.first(ReceivedQth, 20)));
    out.push_back(kSix + kEor);
}

void skm_record(std::vector<Text>& out, const Record& r, const ExportStation& own) {
    out.push_back(r.date_time() + r.band_mode());
    out.push_back(kSix + f("STATION_CALLSIGN", trim(own.call)) +
                  f("RST_SENT", as_number(r.get(SentReport))) + f("MY_NAME", r.first(OwnName, 10)) +
                  f("STX_STRING", r.trimmed(SentSerial)));
    out.push_back(kSix + f("CALL", r.trimmed(Call)) + f("RST_RCVD", as_number(r.get(ReceivedReport))) +
                  f("SRX_STRING", r.trimmed(ReceivedSerial)));
    out.push_back(kEor);
}

// A listener's line: the own station is the listener; the first heard station is the CALL,
// with its report as RST_RCVD and its serial as SRX (SRX_STRING when it is no number); the
// second heard station, its report and serial go into COMMENT ("HA2BBB 057 00007"). Nothing
// was sent, so there is no RST_SENT.
void swl_record(std::vector<Text>& out, const Record& r, const ExportStation& own) {
    Text second = r.trimmed(Call2);
    for (Field fld : {SentReport, SentSerial}) {
        const Text v = r.trimmed(fld);
        if (!v.empty()) second += " " + v;
    }
    const Text serial = r.trimmed(ReceivedSerial);
    out.push_back(own_station_line(own));
    out.push_back(kSix + r.date_time() + f("CALL", r.trimmed(Call)) + f_if("COMMENT", trim(second)));
    out.push_back(kSix + r.band_mode() + f("RST_RCVD", as_number(r.get(ReceivedReport))) +
                  (is_numeric(serial) ? f("SRX", as_number(serial)) : f_if("SRX_STRING", serial)));
    out.push_back(kEor);
}

}  // namespace

ExportStation export_station(const Session& s) {
    return {s.station.hivojel_text, s.qso.kezelo_text, s.qso.qth_text, s.station.QRA_text};
}

std::vector<Text> adif_export_lines(const std::vector<Text>& log_lines, ContestType type,
                                    const ExportStation& own) {
    std::vector<Text> out;
    out.reserve(2 + 4 * log_lines.size());
    out.emplace_back(kAdifCreatedLine);
    out.push_back(kEoh);
    const LineLayout layout = layout_of(type);
    for (const Text& line : log_lines) {
        const Record r(line, layout);
        switch (layout) {
            case LineLayout::Qrp:
            case LineLayout::Nmark: qrp_record(out, r, own); break;
            case LineLayout::Skm: skm_record(out, r, own); break;
            case LineLayout::Swl: swl_record(out, r, own); break;
            case LineLayout::General: general_record(out, r, type, own); break;
        }
    }
    return out;
}

Text adif_export_text(const std::vector<Text>& log_lines, ContestType type,
                      const ExportStation& own) {
    Text text;
    for (const Text& l : adif_export_lines(log_lines, type, own)) {
        text += l;
        text += kCrLf;
    }
    return text;
}

void export_rutin(Session& s) {
    s.panel = Panel::Vegyes;
    s.view["vegyes_keret"].caption = "Export => ADIF";
    s.view["vegyes_label"].visible = false;
    s.view["vegyes_combo"].visible = false;
    for (int i = 0; i < kVegyesButtons; ++i) {
        ControlView& button = s.view["vegyes_cmd_" + std::to_string(i)];
        button.visible = i == 0;
        if (i == 0) {
            button.enabled = true;
            button.caption = hu(u8"Mentés");
        }
    }
    ListBox& list = s.vegyes_lista[0];
    list.clear();
    // An empty log gives an empty list, so that the save says there is nothing to save.
    if (!s.log_lista.empty()) {
        for (Text& l : adif_export_lines(s.log_lista.items(), s.contest(), export_station(s))) {
            list.add(std::move(l));
        }
    }
    s.vegyes_valaszto = 0;
    s.panel_mode = kExportMode;
    s.ui().refresh(Aspect::All);
}

void export_mentes_Click(Session& s) {
    if (s.panel_mode != kExportMode) return;
    const ListBox& list = s.vegyes_lista[0];
    if (list.empty()) {
        s.ui().beep();
        s.ui().message(hu(u8"Nincs mit menteni!"));
        return;
    }
    s.dialog.chooser_directory = text_path(s.paths.import_export_dir);
    s.dialog.chooser_extension = "adi";
    s.dialog.chooser_mode = 2;
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    Text text;
    for (const Text& l : list.items()) {
        text += l;
        text += kCrLf;
    }
    // The new file replaces an old one of the name whole, or not at all.
    if (!write_file_atomic(fs_path(s.dialog.chosen_path), text)) {
        s.ui().beep();
        s.ui().message(hu(u8"Nem sikerült menteni: ") + s.dialog.chosen_path);
    }
}

void adif_export(Session& s) { export_rutin(s); }

}  // namespace loxar
