// The colour of each band of a chart or map: the bands in band-table order take them in turn.
#pragma once

#include <QColor>
#include <array>
#include <cstddef>

namespace loxar::ui {

inline QColor band_color(std::size_t band) {
    static const std::array<QColor, 6> colors{QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e),
                                              QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
                                              QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b)};
    return colors[band % colors.size()];
}

}  // namespace loxar::ui
