// The Hungarian help text shown in the help panel.
#pragma once

#include <QString>
#include <QStringList>

namespace loxar {

// The help text line by line, without line ends.
QStringList help_lines();

// The whole help text, lines joined with CR LF like every text of the program.
QString help_text();

}  // namespace loxar
