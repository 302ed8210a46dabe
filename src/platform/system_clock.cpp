// Local time from Qt.
#include "platform/system_clock.hpp"

#include <QDateTime>

namespace loxar {

LocalDateTime SystemClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime h = t.time();
    return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

}  // namespace loxar
