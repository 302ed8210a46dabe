// Restoring a selected log line into the entry fields, driven by one column table per layout.
#include "session/qso_restore.hpp"

#include <vector>

#include "model/bands.hpp"
#include "model/qso_line.hpp"
#include "session/edit_mode.hpp"
#include "session/questions.hpp"
#include "session/session.hpp"

namespace loxar {

namespace {

// Start column (1-based) and length.
struct Span {
    std::size_t from = 0;
    std::size_t len = 0;
};

// clang-format off
enum class Target {
    Call, Report, Serial, Locator, Name, SentReport, SentSerial, SentName, Call2, Number,
    Distance, Points, Mode, Sex, Marker, Zone, Band
};
// clang-format on

struct Cell {
    Target field;
    Span at;
};

// Where each field is read back from. These are the restore's own spans, not always the
// builder's widths (the SWL callsigns, for one, come back as 16 of their 17 columns).
const std::vector<Cell>& cells_of(LineLayout layout) {
    using enum Target;
    // clang-format off
    static const std::vector<Cell> general{
        {Call, {21, 20}},  {Report, {42, 3}},     {Serial, {46, 4}},     {Locator, {51, 6}},
        {Name, {93, 14}},  {SentReport, {60, 3}}, {SentSerial, {64, 4}}, {Number, {87, 5}},
        {Distance, {75, 5}}, {Points, {81, 5}},   {Mode, {69, 3}},       {Sex, {58, 1}},
        {Band, {108, 7}}};
    static const std::vector<Cell> qrp{
        {Call, {21, 16}},  {Report, {38, 3}},     {Serial, {57, 21}},     {Name, {42, 14}},
        {SentReport, {79, 3}}, {SentSerial, {116, 20}}, {SentName, {93, 10}}, {Number, {87, 5}},
        {Mode, {83, 3}},   {Marker, {106, 1}},    {Band, {108, 7}}};
    static const std::vector<Cell> skm{
        {Call, {21, 13}},  {Report, {35, 3}},     {Serial, {39, 13}},    {SentReport, {53, 3}},
        {SentSerial, {57, 13}}, {Number, {87, 5}}, {Distance, {75, 5}},  {Points, {81, 5}},
        {Mode, {71, 3}},   {Zone, {116, 2}},      {Band, {108, 7}}};
    static const std::vector<Cell> nmark{
        {Call, {21, 12}},  {Report, {34, 3}},     {Serial, {53, 19}},    {Name, {38, 14}},
        {SentReport, {75, 3}}, {SentSerial, {116, 13}}, {Number, {87, 5}}, {Distance, {104, 1}},
        {Points, {106, 1}}, {Mode, {79, 3}},      {Band, {108, 7}}};
    static const std::vector<Cell> swl{
        {Call, {34, 16}},  {Report, {52, 3}},     {Serial, {56, 8}},     {SentReport, {83, 3}},
        {SentSerial, {87, 8}}, {Call2, {65, 16}}, {Number, {96, 5}},     {Mode, {30, 3}},
        {Band, {21, 7}}};
    // clang-format on
    switch (layout) {
        case LineLayout::Qrp: return qrp;
        case LineLayout::Skm: return skm;
        case LineLayout::Nmark: return nmark;
        case LineLayout::Swl: return swl;
        case LineLayout::General: break;
    }
    return general;
}

// Nothing when the layout does not hold the field.
std::optional<Span> span_of(LineLayout layout, Target field) {
    for (const Cell& c : cells_of(layout)) {
        if (c.field == field) return c.at;
    }
    return std::nullopt;
}

// Layouts without a locator put "AA00AA" in its field; SWL leaves the field alone.
bool resets_locator(LineLayout layout) {
    return layout == LineLayout::Qrp || layout == LineLayout::Skm || layout == LineLayout::Nmark;
}

}  // namespace

bool layout_matches(const Text& line, LineLayout layout) {
    return col(line, layout_check_column(layout), 1) == "=";
}

RestoredQso restore_fields(const Text& line, LineLayout layout) {
    auto maybe = [&](Target f) -> std::optional<Text> {
        auto sp = span_of(layout, f);
        if (!sp) return std::nullopt;
        return trim(col(line, sp->from, sp->len));
    };
    auto get = [&](Target f) { return maybe(f).value_or(Text()); };
    auto maybe_char = [&](Target f, char missing) -> std::optional<char> {
        auto t = maybe(f);
        if (!t) return std::nullopt;
        return t->empty() ? missing : (*t)[0];
    };

    using enum Target;
    RestoredQso r;
    r.log_ido = col(line, 1, 19);
    r.kapott_hivojel_text = get(Call);
    r.kapott_riport_text = get(Report);
    r.kapott_sorszam_text = get(Serial);
    r.kapott_QRA_text = resets_locator(layout) ? std::optional<Text>(kNoLocator) : maybe(Locator);
    r.kapott_nev_text = maybe(Name);
    r.kuldott_riport_text = get(SentReport);
    r.kuldott_sorszam_text = get(SentSerial);
    r.kuldott_nev_text = maybe(SentName);
    r.hivojel_2_text = maybe(Call2);
    r.edit_sorszam_text = get(Number);
    r.tavolsag_text = maybe(Distance);
    r.pontszam_text = maybe(Points);
    r.mode = get(Mode);
    r.received_sex = maybe_char(Sex, '.');
    // A line cut short has lost its marker; "-" never claims a new country that was not.
    r.country_marker = maybe_char(Marker, '-');
    r.itu_zone = maybe(Zone);
    const Span band = span_of(layout, Band).value_or(Span{});
    r.band_field = pad_cut(col(line, band.from, band.len), 7);
    return r;
}

namespace {

void apply(Session& s, const RestoredQso& r) {
    QsoRecord& q = s.qso;
    q.log_ido = r.log_ido;
    q.kapott_hivojel_text = r.kapott_hivojel_text;
    q.kapott_riport_text = r.kapott_riport_text;
    q.kapott_sorszam_text = r.kapott_sorszam_text;
    if (r.kapott_QRA_text) q.kapott_QRA_text = *r.kapott_QRA_text;
    if (r.kapott_nev_text) q.kapott_nev_text = *r.kapott_nev_text;
    q.kuldott_riport_text = r.kuldott_riport_text;
    q.kuldott_sorszam_text = r.kuldott_sorszam_text;
    if (r.kuldott_nev_text) q.kuldott_nev_text = *r.kuldott_nev_text;
    if (r.hivojel_2_text) q.hivojel_2_text = *r.hivojel_2_text;
    q.edit_sorszam_text = r.edit_sorszam_text;
    if (r.tavolsag_text) q.tavolsag_text = *r.tavolsag_text;
    if (r.pontszam_text) q.pontszam_text = *r.pontszam_text;

    if (const int mode = q.mod_combo.find(r.mode); mode >= 0) q.mod_combo.set(mode);
    if (r.received_sex) q.kapott_sex_combo.set(*r.received_sex == 'N' ? 1 : *r.received_sex == 'F' ? 2 : 0);
    if (r.country_marker) s.restored_country_marker = *r.country_marker;
    s.restored_itu_zone = r.itu_zone.value_or(Text());

    // A frequency written in place of the band matches no entry: the current band stays.
    int band = find_band_exact(r.band_field);
    if (band >= 0) {
        s.current_band_index = static_cast<short>(band);
        q.band_text = band_name(band);
    }
}

}  // namespace

void qso_sor_visszatoltes(Session& s) {
    long selected = s.log_lista.first_selected();
    if (selected < 0) {
        alert(s, hu(u8"Nincs kijelölt QSO!"));
        return;
    }
    szerkesztes_mod_bekapcsolas(s);
    s.ui().focus(Control::kapott_hivojel_text, false);

    const Text line = s.log_lista.at(static_cast<std::size_t>(selected));
    const LineLayout layout = layout_of(s.contest());
    if (!layout_matches(line, layout)) {
        // Most likely the line was built under another contest type than the selected one.
        szerkesztes_mod_kikapcsolas(s);
        alert(s, "Rossz a lista formatum!");
        s.ui().refresh(Aspect::View);
        return;
    }
    apply(s, restore_fields(line, layout));
    s.ui().refresh(Aspect::EntryFields);
    s.ui().refresh(Aspect::View);
}

}  // namespace loxar
