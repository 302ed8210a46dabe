// The statistics chart, drawn with QPainter from the numbers the core worked out.
#include "ui/statistics_chart.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/band_colors.hpp"
#include "ui/qt_text.hpp"

namespace loxar::ui {

namespace {

// Stacked bars of `rows` (one bar per row, one segment per column) into `area`, labels below.
void draw_bars(QPainter& p, const QRect& area, const std::vector<std::vector<long>>& rows,
               const std::vector<QString>& labels, const QString& title, const QColor& text) {
    p.setPen(text);
    p.drawText(area.left(), area.top() + 12, title);
    const QRect plot = area.adjusted(24, 18, -4, -16);
    long top = 1;
    for (const auto& r : rows) {
        long sum = 0;
        for (long v : r) sum += v;
        top = std::max(top, sum);
    }
    p.drawText(QRect(area.left(), plot.top() - 6, 22, 12), Qt::AlignRight, QString::number(top));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (rows.empty()) return;
    const double slot = static_cast<double>(plot.width()) / static_cast<double>(rows.size());
    const int bar = std::max(1, static_cast<int>(slot * 0.8));
    // Every n-th label, so that they never overlap.
    const int every = std::max(1, static_cast<int>(std::ceil(28.0 / std::max(slot, 1.0))));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int x = plot.left() + static_cast<int>(slot * static_cast<double>(i));
        int y = plot.bottom();
        for (std::size_t b = 0; b < rows[i].size(); ++b) {
            const int h =
                static_cast<int>(static_cast<double>(rows[i][b]) * plot.height() / static_cast<double>(top));
            if (h <= 0) continue;
            p.fillRect(x, y - h, bar, h, band_color(b));
            y -= h;
        }
        if (static_cast<int>(i) % every == 0 && i < labels.size()) {
            p.setPen(text);
            p.drawText(QRect(x - 8, plot.bottom() + 2, 40, 12), Qt::AlignLeft, labels[i]);
        }
    }
}

}  // namespace

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
    setMinimumWidth(360);
    QFont f = font();
    f.setPointSize(std::max(7, f.pointSize() - 1));
    setFont(f);
}

void StatisticsChart::show_state(const StatisticsState* state) {
    state_ = state;
    update();
}

QSize StatisticsChart::sizeHint() const {
    return {420, 320};
}

void StatisticsChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (!state_) return;
    const StatisticsState& st = *state_;
    p.setPen(palette().color(QPalette::WindowText));
    const int line = fontMetrics().height();
    p.drawText(4, line,
               QStringLiteral("Ütem: utolsó 10 perc %1 QSO/óra, utolsó 60 perc %2 QSO/óra")
                   .arg(st.rates.last_10_min)
                   .arg(st.rates.last_60_min));
    // Legend of the bands.
    int x = 4;
    const int legend_y = line + 6;
    for (std::size_t b = 0; b < st.per_hour.bands.size(); ++b) {
        p.fillRect(x, legend_y, 10, 10, band_color(b));
        const QString name = qs(st.per_hour.bands[b]);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(x + 13, legend_y + 10, name);
        x += 20 + fontMetrics().horizontalAdvance(name);
    }
    const int top = legend_y + 14;
    const bool histogram = !st.distance_bins.empty();
    const int hours_height = histogram ? (height() - top) * 3 / 5 : height() - top;
    std::vector<QString> hour_labels;
    for (const Text& h : st.per_hour.hours) hour_labels.push_back(qs(h.substr(11, 2)));
    draw_bars(p, QRect(0, top, width(), hours_height), st.per_hour.counts, hour_labels,
              QStringLiteral("QSO óránként (UTC)"), palette().color(QPalette::WindowText));
    if (!histogram) return;
    std::vector<std::vector<long>> bins;
    std::vector<QString> labels;
    for (std::size_t i = 0; i < st.distance_bins.size(); ++i) {
        bins.push_back({st.distance_bins[i]});
        labels.push_back(i + 1 == st.distance_bins.size() ? QStringLiteral("%1+").arg(i * kDistanceBinKm)
                                                          : QString::number(i * kDistanceBinKm));
    }
    draw_bars(p, QRect(0, top + hours_height, width(), height() - top - hours_height), bins, labels,
              QStringLiteral("QSO-k távolság szerint (km)"), palette().color(QPalette::WindowText));
}

}  // namespace loxar::ui
