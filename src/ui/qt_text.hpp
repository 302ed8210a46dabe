// cp1250 <-> QString at the window's edge.
#pragma once

#include <QString>

#include "text/text.hpp"

namespace loxar {

inline QString qs(const Text& t) {
    return QString::fromStdString(cp1250_to_utf8(t));
}
inline Text cp(const QString& q) {
    return utf8_to_cp1250(q.toStdString());
}

// Multi-line texts: CR LF in the session, LF in a text widget.
inline QString multiline_for_widget(const Text& t) {
    return qs(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
inline Text multiline_for_session(const QString& q) {
    QString text = q;
    return cp(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

}  // namespace loxar
