// The chart beside the statistics page: QSOs per hour by band, run rates, distance histogram.
#pragma once

#include <QWidget>

#include "statistics/statistics_state.hpp"

namespace loxar::ui {

class StatisticsChart : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsChart(QWidget* parent);
    // The numbers to draw; the state must outlive the widget's next paint.
    void show_state(const StatisticsState* state);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const StatisticsState* state_ = nullptr;
};

}  // namespace loxar::ui
