// The session's cleaned text put back into the line edit an edit just changed.
#pragma once

#include <QLineEdit>
#include <QString>
#include <algorithm>

namespace loxar {

// Shows `shown` where the edit left `typed`; the cursor stays where it was less the characters
// refused, not at the end, so a refused key in the middle of a field loses no place.
inline void show_cleaned(QLineEdit* e, const QString& typed, const QString& shown) {
    if (shown == typed) return;
    const int cursor = e->cursorPosition() - static_cast<int>(typed.size() - shown.size());
    e->setText(shown);
    e->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(shown.size())));
}

}  // namespace loxar
