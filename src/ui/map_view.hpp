// The map of the worked stations beside the statistics page: the own station in the middle, an
// azimuthal-equidistant view with the Maidenhead grid, the worked squares per band, every QSO as
// a dot, the distance rings and the ODX. Wheel and +/- zoom, dragging and the arrow keys move,
// 0 brings the first view back; hovering a dot names the station.
#pragma once

#include <QByteArray>
#include <QPolygonF>
#include <QSet>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "statistics/map_data.hpp"
#include "statistics/map_projection.hpp"

namespace loxar::ui {

class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(QWidget* parent);
    // The numbers to draw; they must outlive the widget's next paint. The view starts over.
    void show_data(const MapData* shown);
    // Shorelines, drawn thin under everything else; none is fine.
    void set_shorelines(std::vector<GeoLine> lines);
    QSize sizeHint() const override;

    // Pixels per kilometre.
    double scale() const { return px_per_km_; }
    // Where a point of the globe is drawn in the widget.
    QPointF screen_of(GeoPoint p) const;
    // The stations drawn near a point of the widget, as the tooltip names them; empty for none.
    QString tip_at(QPointF pos) const;
    // Zoom by `factor` keeping the point under `anchor` where it is; move by pixels.
    void zoom(double factor, QPointF anchor);
    void pan_by(QPointF pixels);
    void reset_view();
    // The view as the operator sees it: a PNG at a printable size and an SVG.
    QByteArray png_bytes() const;
    QByteArray svg_bytes() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

private:
    // A projected part of a worked square, shaded in its band's colour.
    struct Shade {
        QPolygonF km;
        std::size_t band = 0;
    };
    // The grid of the current view, projected; worked out again only when the view changes.
    struct GridCache {
        double scale = 0;
        MapXY pan;
        QSize size;
        std::vector<QPolygonF> field_lines, square_lines;  // km
        std::vector<std::pair<QString, MapXY>> field_labels, square_labels;
        bool squares = false, square_labels_shown = false, all_square_labels = false;
    };

    void draw(QPainter& p, QSize size, bool with_cursor) const;
    void draw_legend(QPainter& p, QSize size) const;
    void draw_overlay_text(QPainter& p, QSize size, bool with_cursor) const;
    const GridCache& grid_for(QSize size) const;
    GeoBox visible_box(QSize size) const;
    QPointF to_px(MapXY xy, QSize size) const;
    MapXY to_km(QPointF px, QSize size) const;
    double min_scale() const;
    void fit();
    void project_shorelines();

    const MapData* data_ = nullptr;
    std::optional<MapProjection> projection_;
    std::vector<MapXY> dots_;  // one per data_->qsos
    std::vector<Shade> shades_;
    QSet<QString> worked_squares_;
    std::vector<GeoLine> shorelines_;
    std::vector<QPolygonF> shore_km_;  // a bounding box each, so a paint passes over the unseen
    std::vector<QRectF> shore_bounds_;
    double px_per_km_ = 0.1;
    MapXY pan_;  // the point of the map plane in the middle of the widget
    bool moved_by_operator_ = false;
    std::optional<QPointF> cursor_;
    std::optional<QPointF> drag_from_;
    MapXY pan_at_drag_;
    mutable GridCache grid_;
};

}  // namespace loxar::ui
