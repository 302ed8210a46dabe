// Local time from Qt.
#include "platform/system_clock.hpp"

#include <QDateTime>
#include <chrono>

namespace loxar {

LocalDateTime SystemClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime h = t.time();
    return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

long long SystemClock::monotonic_ms() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

int SystemClock::utc_offset_minutes() const {
    return QDateTime::currentDateTime().offsetFromUtc() / 60;
}

}  // namespace loxar
