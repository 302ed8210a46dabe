// The "Hívójel lista" panel's procedures: its buttons, keys, list clicks and entry fields.
#pragma once

#include <array>
#include <string_view>

#include "database/qra_list.hpp"
#include "model/entry_filter.hpp"

namespace loxar {

struct Session;

void aprosagok_qra_beolvasas(Session& s);  // "Beolvasás"
void aprosagok_qra_mentes(Session& s);     // "Mentés"
void hivojel_lista_hozzaadas(Session& s, IrasFunkcio iras_funkcio);
void hivojel_lista_cmd_Click(Session& s, int index);  // the six buttons by index
void uj_qra_lista(Session& s);                        // "Új lista"
void lista_hivojel_text_Change(Session& s);           // as-you-type selection
void hivojel_qra_lista_DblClick(Session& s, long index);
void hivojel_qra_lista_shift_delete(Session& s);

// The panel's entry fields in Space order; the NMARK selector is one of them.
inline constexpr std::array<Control, 10> kQraEntryControls = {
    Control::lista_hivojel_text, Control::lista_qra_text_0, Control::lista_qra_text_1,
    Control::lista_qra_text_2,   Control::lista_qra_text_3, Control::lista_nev_text,
    Control::lista_qth_text,     Control::lista_exch_text,  Control::nmark_combo,
    Control::lista_hadxc_text};
// The session field of an entry control of the panel; nothing for the selector and others.
Text* qra_entry_field(Session& s, Control control);
// A key typed into an entry control of the panel: Enter adds, Space moves on, "<" and ">" rotate
// the locators (all swallowed: true); any other character is upper-cased and folded in `c`.
bool qra_entry_key(Session& s, Control control, char& c);
// What an entry control of the panel (or the summary's search field) takes, and its width (0: any).
FieldKind qra_entry_kind(Control control);
std::size_t qra_entry_width(Control control);
// Leaving a field trims it.
void qra_entry_left(Session& s, Control control);

}  // namespace loxar
