// What an entry field may hold, typed or pasted: the characters its stored forms can carry, its
// case rule, and the widest text its column keeps.
#pragma once

#include <string_view>

#include "model/contest_types.hpp"
#include "model/controls.hpp"
#include "text/text.hpp"

namespace loxar {

// Each set refuses what would break a stored form the field goes into; control characters (CR, LF,
// NUL, ESC ...) split or corrupt every line, so no set holds them.
enum class FieldChars {
    OneLine,   // anything else: a "TAG=value" line of a report header, a line of a file
    Record,    // nor ";": the QSO's values end up in the ";"-separated EDI QSO records
    Header,    // nor "," or ";": the log-file header line is split at ","
    Name,      // as Record, nor "=" or "?": a name stands between the log line's "=" separators,
               // and "?" is what is left of a character cp1250 lacks (an emoji)
    OwnName,   // as Header, nor "=" or "?": the own operator's name is in the header and the lines
    Locator,   // only letters A-Z and digits
    Callsign,  // only letters A-Z, digits and "/"
};

// What a typed letter becomes.
enum class FieldCase {
    Keep,
    Upper,        // upper case
    UpperFolded,  // upper case, then the Hungarian accented capitals folded (Ő -> O)
    Folded,       // case kept, accented letters of both cases folded (ő -> o, Ő -> O)
};

struct FieldKind {
    FieldChars chars = FieldChars::OneLine;
    FieldCase letters = FieldCase::Keep;
    bool operator==(const FieldKind&) const = default;
};

// The kind of a field of the log panel (the QSO record, the own station, the contest name); any
// other control holds one line as typed.
FieldKind entry_field_kind(Control control);

// A typed character after the field's case rule; '\0' when the field refuses it.
char filter_char(FieldKind kind, char c);

struct FilteredText {
    Text text;
    bool refused = false;  // characters were left out or the text was cut
};
// A whole text put into a field (pasted, dropped, set): every character filtered, the refused ones
// left out, then cut to `max_length` (0: no limit).
FilteredText filter_text(FieldKind kind, std::string_view text, std::size_t max_length = 0);
// A field's text after an edit turned `before` into `text`: filtered, then cut as filter_text
// does; but characters added into a field already full are refused and `before` stays, as typing
// into a full field is.
FilteredText edit_text(FieldKind kind, std::string_view before, std::string_view text,
                       std::size_t max_length);

// The longest text a log-panel field keeps in this layout: its column in the log line, or what
// the log-file header gives back; 0 when nothing limits it.
std::size_t entry_max_length(LineLayout layout, Control control);

}  // namespace loxar
