// cp1250 <-> QString at the window's edge.
#pragma once

#include <QString>

#include "text/text.hpp"

namespace loxar {

inline QString qs(const Text& t) { return QString::fromStdString(cp1250_to_utf8(t)); }
inline Text cp(const QString& q) { return utf8_to_cp1250(q.toStdString()); }

}  // namespace loxar
