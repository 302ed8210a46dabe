// The map of the worked stations, drawn with QPainter from the numbers the core worked out; only
// the grid of the view is worked out here, and again only when the view changes.
#include "ui/map_view.hpp"

#include <QBuffer>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/band_colors.hpp"
#include "ui/qt_text.hpp"

namespace loxar::ui {

namespace {

constexpr double kRimKm = std::numbers::pi * kEarthRadiusKm;
// Two neighbouring points of a line further apart than this on the map lie on both sides of the
// antipode: the line is broken there instead of crossing the whole map.
constexpr double kBreakKm = 3000;
constexpr double kKmPerDegree = kEarthRadiusKm * std::numbers::pi / 180;
constexpr double kMaxScale = 40;    // pixels per km: a subsquare fills the view
constexpr double kZoomStep = 1.25;  // one wheel notch or key press
constexpr double kHoverPx = 7;      // how near a dot the pointer names it
constexpr double kDotRadius = 3.5;
constexpr int kSquareLinesMin = 5;       // px between parallels a degree apart, for the square grid
constexpr int kSquareLabelsMin = 16;     // px of a square's height, for the worked squares' labels
constexpr int kAllSquareLabelsMin = 34;  // and for every square's
constexpr double kMaxGridSquares = 20000;
constexpr int kMaxTipStations = 8;
constexpr double kPrintSide = 1600;  // px of the saved picture's longer side, at the least

const QColor kOutside(0xd5, 0xdb, 0xe1);
const QColor kGlobe(0xf8, 0xf8, 0xf3);
const QColor kShore(0x7f, 0x98, 0xae);
const QColor kFieldLine(0x8e, 0x8e, 0x86);
const QColor kSquareLine(0xc4, 0xc4, 0xbc);
const QColor kRing(0x4a, 0x5d, 0x70);
const QColor kOdx(0xc0, 0x10, 0x10);

QPointF px_of(MapXY xy, QSizeF size, double scale, MapXY pan) {
    return {size.width() / 2 + (xy.x - pan.x) * scale, size.height() / 2 - (xy.y - pan.y) * scale};
}

// A line on the map plane, broken where it jumps across the antipode.
void add_projected(const MapProjection& proj, const GeoLine& line, std::vector<QPolygonF>& out) {
    QPolygonF part;
    MapXY last;
    for (const GeoPoint& g : line) {
        const MapXY xy = proj.forward(g);
        if (!part.isEmpty() && std::hypot(xy.x - last.x, xy.y - last.y) > kBreakKm) {
            if (part.size() > 1) out.push_back(std::move(part));
            part = QPolygonF();
        }
        part.append({xy.x, xy.y});
        last = xy;
    }
    if (part.size() > 1) out.push_back(std::move(part));
}

QString km_text(double km) {
    return QStringLiteral("%1 km").arg(static_cast<long long>(km));
}

QString bearing_text(const Qrb& q) {
    const QString b = qs(bearing_field(q.bearing));
    return b.isEmpty() ? QString() : b + QStringLiteral("°");
}

}  // namespace

MapView::MapView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 280);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
}

QSize MapView::sizeHint() const {
    return {900, 640};
}

void MapView::show_data(const MapData* shown) {
    data_ = shown;
    projection_.reset();
    dots_.clear();
    shades_.clear();
    worked_squares_.clear();
    grid_ = {};
    if (data_ && data_->centre) {
        projection_.emplace(*data_->centre);
        dots_.reserve(data_->qsos.size());
        for (const MapQso& q : data_->qsos) dots_.push_back(projection_->forward(q.at));
        // A square worked on several bands is striped, one band beside the other.
        for (const WorkedSquare& sq : data_->squares) {
            worked_squares_.insert(qs(sq.square));
            const std::optional<GeoBox> box = square_box(sq.square);
            if (!box) continue;
            std::vector<std::size_t> bands;
            for (std::size_t b = 0; b < sq.per_band.size(); ++b) {
                if (sq.per_band[b] > 0) bands.push_back(b);
            }
            const double stripe = (box->east - box->west) / static_cast<double>(bands.size());
            for (std::size_t k = 0; k < bands.size(); ++k) {
                GeoBox part = *box;
                part.west = box->west + stripe * static_cast<double>(k);
                part.east = part.west + stripe;
                std::vector<QPolygonF> outline;
                add_projected(*projection_, box_outline(part), outline);
                if (outline.size() == 1) shades_.push_back({std::move(outline.front()), bands[k]});
            }
        }
    }
    project_shorelines();
    moved_by_operator_ = false;
    fit();
    update();
}

void MapView::set_shorelines(std::vector<GeoLine> lines) {
    shorelines_ = std::move(lines);
    project_shorelines();
    update();
}

void MapView::project_shorelines() {
    shore_km_.clear();
    shore_bounds_.clear();
    if (!projection_) return;
    for (const GeoLine& line : shorelines_) add_projected(*projection_, line, shore_km_);
    shore_bounds_.reserve(shore_km_.size());
    for (const QPolygonF& line : shore_km_) shore_bounds_.push_back(line.boundingRect());
}

double MapView::min_scale() const {
    // The whole globe in the view, and no further out.
    return std::min(width(), height()) / (2.1 * kRimKm);
}

void MapView::fit() {
    const double reach = data_ && !data_->rings.empty() ? data_->rings.back() : 1000;
    px_per_km_ = std::max(min_scale(), std::min(width(), height()) / (2.16 * reach));
    pan_ = {};
    grid_ = {};
}

void MapView::reset_view() {
    moved_by_operator_ = false;
    fit();
    update();
}

void MapView::zoom(double factor, QPointF anchor) {
    const MapXY at = to_km(anchor, size());
    px_per_km_ = std::clamp(px_per_km_ * factor, min_scale(), kMaxScale);
    const MapXY now = to_km(anchor, size());
    pan_.x += at.x - now.x;
    pan_.y += at.y - now.y;
    moved_by_operator_ = true;
    update();
}

void MapView::pan_by(QPointF pixels) {
    pan_.x -= pixels.x() / px_per_km_;
    pan_.y += pixels.y() / px_per_km_;
    moved_by_operator_ = true;
    update();
}

QPointF MapView::to_px(MapXY xy, QSize size) const {
    return px_of(xy, QSizeF(size), px_per_km_, pan_);
}

MapXY MapView::to_km(QPointF px, QSize size) const {
    return {pan_.x + (px.x() - size.width() / 2.0) / px_per_km_,
            pan_.y - (px.y() - size.height() / 2.0) / px_per_km_};
}

QPointF MapView::screen_of(GeoPoint p) const {
    return projection_ ? to_px(projection_->forward(p), size()) : QPointF();
}

GeoBox MapView::visible_box(QSize size) const {
    const MapProjection& proj = *projection_;
    const GeoPoint c = proj.centre();
    GeoBox whole;
    const QRectF view(QPointF(0, 0), QSizeF(size));
    bool north_pole = view.contains(to_px(proj.forward({90, 0}), size));
    bool south_pole = view.contains(to_px(proj.forward({-90, 0}), size));
    double south = 90, north = -90, west = 180, east = -180;
    constexpr int kSamples = 24;
    for (int i = 0; i <= kSamples; ++i) {
        const double t = static_cast<double>(i) / kSamples;
        for (QPointF px : {QPointF(t * size.width(), 0), QPointF(t * size.width(), size.height()),
                           QPointF(0, t * size.height()), QPointF(size.width(), t * size.height())}) {
            const std::optional<GeoPoint> g = proj.inverse(to_km(px, size));
            if (!g) return whole;  // the rim is in view
            south = std::min(south, g->lat);
            north = std::max(north, g->lat);
            // Longitudes from the centre's, so a view across the date line stays one range.
            double rel = std::fmod(g->lon - c.lon + 540, 360) - 180;
            west = std::min(west, rel);
            east = std::max(east, rel);
        }
    }
    if (north_pole || south_pole) {
        return {south_pole ? -90 : south - 0.5, -180, north_pole ? 90 : north + 0.5, 180};
    }
    return {south - 0.5, c.lon + west - 0.5, north + 0.5, c.lon + east + 0.5};
}

const MapView::GridCache& MapView::grid_for(QSize size) const {
    if (grid_.scale == px_per_km_ && grid_.pan.x == pan_.x && grid_.pan.y == pan_.y && grid_.size == size) {
        return grid_;
    }
    GridCache g;
    g.scale = px_per_km_;
    g.pan = pan_;
    g.size = size;
    const GeoBox box = visible_box(size);
    const double lon_span = box.east >= box.west ? box.east - box.west : box.east + 360 - box.west;
    const double degree_px = kKmPerDegree * px_per_km_;
    g.squares = degree_px >= kSquareLinesMin && lon_span / 2 * (box.north - box.south) <= kMaxGridSquares;
    g.square_labels_shown = g.squares && degree_px >= kSquareLabelsMin;
    g.all_square_labels = g.square_labels_shown && degree_px >= kAllSquareLabelsMin;
    const auto project = [this](const Grid& grid, std::vector<QPolygonF>& lines,
                                std::vector<std::pair<QString, MapXY>>& labels) {
        for (const GeoLine& line : grid.lines) add_projected(*projection_, line, lines);
        for (const GridLabel& l : grid.labels) labels.emplace_back(qs(l.text), projection_->forward(l.at));
    };
    project(maidenhead_grid(box, GridLevel::Fields), g.field_lines, g.field_labels);
    if (g.squares) {
        std::vector<std::pair<QString, MapXY>> labels;
        project(maidenhead_grid(box, GridLevel::Squares), g.square_lines, labels);
        if (g.square_labels_shown) g.square_labels = std::move(labels);
    }
    grid_ = std::move(g);
    return grid_;
}

void MapView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    draw(p, size(), true);
}

void MapView::draw(QPainter& p, QSize size, bool with_cursor) const {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF view(QPointF(0, 0), QSizeF(size));
    p.fillRect(view, kOutside);
    if (!data_) return;
    if (!projection_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(view, Qt::AlignCenter, QStringLiteral("A térképhez meg kell adni a saját QRA lokátort."));
        return;
    }
    const auto px = [&](MapXY xy) { return to_px(xy, size); };
    const auto polygon = [&](const QPolygonF& km) {
        QPolygonF out;
        out.reserve(km.size());
        for (const QPointF& k : km) out.append(px({k.x(), k.y()}));
        return out;
    };
    const QRectF km_view(
        QPointF(pan_.x - size.width() / 2.0 / px_per_km_, pan_.y - size.height() / 2.0 / px_per_km_),
        QSizeF(size.width() / px_per_km_, size.height() / px_per_km_));
    const auto in_view = [&](const QPolygonF& km) { return km.boundingRect().intersects(km_view); };

    // The globe; zoomed in, it is the whole view.
    const QPointF centre = px({0, 0});
    const double rim = kRimKm * px_per_km_;
    if (rim > 4 * std::max(size.width(), size.height())) {
        p.fillRect(view, kGlobe);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kGlobe);
        p.drawEllipse(centre, rim, rim);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kShore, 0.9));
    for (std::size_t i = 0; i < shore_km_.size(); ++i) {
        if (shore_bounds_[i].intersects(km_view)) p.drawPolyline(polygon(shore_km_[i]));
    }

    // The shades side by side, without antialiasing: no seam between two squares, and a quarter
    // of the drawing time.
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Shade& s : shades_) {
        if (!in_view(s.km)) continue;
        QColor c = band_color(s.band);
        c.setAlpha(80);
        p.setBrush(c);
        p.drawPolygon(polygon(s.km));
    }
    p.setRenderHint(QPainter::Antialiasing);

    const GridCache& grid = grid_for(size);
    p.setBrush(Qt::NoBrush);
    // The squares' hairlines need no antialiasing, which would double the time they take.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kSquareLine, 0));
    for (const QPolygonF& line : grid.square_lines) p.drawPolyline(polygon(line));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kFieldLine, 1.1));
    for (const QPolygonF& line : grid.field_lines) p.drawPolyline(polygon(line));
    QFont base = p.font();
    QFont small = base;
    small.setPointSizeF(std::max(6.5, base.pointSizeF() - 2));
    p.setFont(small);
    // The worked squares are named first; the others only where there is room for every name.
    for (const auto& [text, at] : grid.square_labels) {
        const bool worked = worked_squares_.contains(text);
        if (!worked && !grid.all_square_labels) continue;
        const QPointF q = px(at);
        if (!view.contains(q)) continue;
        p.setPen(worked ? QColor(0x30, 0x30, 0x2c) : QColor(0x8a, 0x8a, 0x80));
        p.drawText(QRectF(q.x() - 30, q.y() - 8, 60, 16), Qt::AlignCenter, text);
    }
    QFont big = base;
    big.setBold(true);
    big.setPointSizeF(base.pointSizeF() + (grid.square_labels_shown ? 4 : 2));
    p.setFont(big);
    p.setPen(QColor(0x60, 0x60, 0x58, grid.square_labels_shown ? 110 : 170));
    for (const auto& [text, at] : grid.field_labels) {
        // A field's middle is a corner of four squares, clear of their names.
        const QPointF q = px(at);
        if (view.contains(q)) p.drawText(QRectF(q.x() - 40, q.y() - 14, 80, 28), Qt::AlignCenter, text);
    }
    p.setFont(base);

    // Beam headings every 30°, and the rings.
    const double outer = data_->rings.empty() ? 0 : data_->rings.back() * px_per_km_;
    p.setPen(QPen(QColor(0x4a, 0x5d, 0x70, 70), 0.8, Qt::DashLine));
    for (int deg = 0; deg < 360; deg += 30) {
        const double a = deg * std::numbers::pi / 180;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.drawLine(centre, centre + dir * outer);
    }
    p.setFont(small);
    for (int deg = 0; deg < 360; deg += 30) {
        const double a = deg * std::numbers::pi / 180;
        const QPointF q = centre + QPointF(std::sin(a), -std::cos(a)) * (outer + 12);
        p.setPen(kRing);
        p.drawText(QRectF(q.x() - 20, q.y() - 8, 40, 16), Qt::AlignCenter, QStringLiteral("%1°").arg(deg));
    }
    for (double r : data_->rings) {
        const double rr = r * px_per_km_;
        p.setPen(QPen(kRing, 1.0, Qt::DashLine));
        p.drawEllipse(centre, rr, rr);
        // The label on the ring towards the south-east, on a light patch so the grid stays behind it.
        const QPointF q = centre + QPointF(std::sin(2.4), -std::cos(2.4)) * rr;
        const QString t = km_text(r);
        const QRectF box(q.x() - 28, q.y() - 8, 56, 16);
        if (!view.intersects(box)) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 190));
        p.drawRoundedRect(box.adjusted(6, 1, -6, -1), 3, 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(kRing);
        p.drawText(box, Qt::AlignCenter, t);
    }
    p.setFont(base);

    // The ODX's path under the dots, its mark over them.
    const std::optional<std::size_t> odx = data_->odx;
    if (odx) {
        p.setPen(QPen(kOdx, 1.2, Qt::DashLine));
        p.drawLine(centre, px(dots_[*odx]));
    }
    // On a picture each dot is a copy of its band's dot, drawn once: a thousand round shapes
    // each time cost more than the rest of the map. A drawing (SVG) keeps them as shapes.
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    const QRectF dot_box(-kDotRadius - 1, -kDotRadius - 1, 2 * kDotRadius + 2, 2 * kDotRadius + 2);
    std::vector<QImage> sprites;
    const auto draw_dot = [&](QPainter& on, QPointF at, std::size_t band) {
        on.setPen(QPen(Qt::white, 0.8));
        on.setBrush(band_color(band).darker(115));
        on.drawEllipse(at, kDotRadius, kDotRadius);
    };
    if (raster) {
        const qreal ratio = std::max(1.0, p.transform().m11());
        for (std::size_t b = 0; b < data_->bands.size(); ++b) {
            QImage sprite((dot_box.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
            sprite.setDevicePixelRatio(ratio);
            sprite.fill(Qt::transparent);
            QPainter sp(&sprite);
            sp.setRenderHint(QPainter::Antialiasing);
            draw_dot(sp, -dot_box.topLeft(), b);
            sprites.push_back(std::move(sprite));
        }
    }
    for (std::size_t i = 0; i < dots_.size(); ++i) {
        const QPointF q = px(dots_[i]);
        if (!view.adjusted(-5, -5, 5, 5).contains(q)) continue;
        if (raster) {
            p.drawImage(q + dot_box.topLeft(), sprites[data_->qsos[i].band]);
        } else {
            draw_dot(p, q, data_->qsos[i].band);
        }
    }
    // The own station.
    p.setPen(QPen(kOdx, 2.2));
    p.drawLine(centre + QPointF(-7, 0), centre + QPointF(7, 0));
    p.drawLine(centre + QPointF(0, -7), centre + QPointF(0, 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 4, 4);

    draw_legend(p, size);
    draw_overlay_text(p, size, with_cursor);
    // The ODX's mark over everything, the legend too.
    if (odx) {
        const MapQso& q = data_->qsos[*odx];
        const QPointF at = px(dots_[*odx]);
        p.setPen(QPen(Qt::white, 0.8));
        p.setBrush(band_color(q.band).darker(115));
        p.drawEllipse(at, kDotRadius, kDotRadius);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kOdx, 2));
        p.drawEllipse(at, 8, 8);
        QFont bold = base;
        bold.setBold(true);
        p.setFont(bold);
        const QString label =
            QStringLiteral("ODX %1  %2  %3").arg(qs(q.call), km_text(q.qrb.distance), bearing_text(q.qrb));
        const double w = p.fontMetrics().horizontalAdvance(label) + 10;
        QRectF box(at.x() + 10, at.y() - 22, w, 18);
        if (box.right() > size.width()) box.moveRight(at.x() - 10);
        if (box.top() < 0) box.moveTop(at.y() + 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawRoundedRect(box, 3, 3);
        p.setPen(kOdx);
        p.drawText(box, Qt::AlignCenter, label);
        p.setFont(base);
    }
}

void MapView::draw_legend(QPainter& p, QSize) const {
    const QFontMetrics fm = p.fontMetrics();
    const int line = fm.height() + 2;
    std::vector<long> qsos(data_->bands.size(), 0), squares(data_->bands.size(), 0);
    for (const MapQso& q : data_->qsos) ++qsos[q.band];
    for (const WorkedSquare& s : data_->squares) {
        for (std::size_t b = 0; b < s.per_band.size(); ++b) squares[b] += s.per_band[b] > 0;
    }
    QStringList rows;
    rows << QStringLiteral("Saját QTH: %1").arg(qs(locator_at(*data_->centre)));
    for (std::size_t b = 0; b < data_->bands.size(); ++b) {
        rows << QStringLiteral("%1   %2 QSO   %3 négyzet")
                    .arg(qs(data_->bands[b]))
                    .arg(qsos[b])
                    .arg(squares[b]);
    }
    rows << QStringLiteral("Összesen   %1 QSO   %2 négyzet")
                .arg(data_->qsos.size())
                .arg(data_->squares.size());
    QFont bold = p.font();
    bold.setBold(true);
    const QFontMetrics bold_fm(bold);
    int w = 0;
    for (const QString& r : rows) w = std::max(w, bold_fm.horizontalAdvance(r));
    const QRectF box(8, 8, w + 34, line * static_cast<int>(rows.size()) + 8);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(box, 4, 4);
    for (int i = 0; i < rows.size(); ++i) {
        const double y = box.top() + 4 + i * line;
        const auto b = static_cast<std::size_t>(i - 1);
        if (i > 0 && b < data_->bands.size()) {
            QColor c = band_color(b);
            p.setPen(QPen(c.darker(115), 1));
            c.setAlpha(110);
            p.setBrush(c);
            p.drawRect(QRectF(box.left() + 8, y + 3, 14, line - 6));
        }
        p.setPen(palette().color(QPalette::WindowText));
        QFont f = p.font();
        f.setBold(i == 0 || i == rows.size() - 1);
        p.setFont(f);
        p.drawText(QRectF(box.left() + 28, y, w + 4, line), Qt::AlignVCenter | Qt::AlignLeft, rows[i]);
    }
    QFont f = p.font();
    f.setBold(false);
    p.setFont(f);
}

void MapView::draw_overlay_text(QPainter& p, QSize size, bool with_cursor) const {
    const QFontMetrics fm = p.fontMetrics();
    const auto plate = [&](const QString& text, Qt::Alignment corner, int row) {
        const double w = fm.horizontalAdvance(text) + 12, h = fm.height() + 4;
        const double x = corner & Qt::AlignRight ? size.width() - w - 8 : 8;
        const double y =
            corner & Qt::AlignBottom ? size.height() - (h + 4) * (row + 1) - 4 : 8 + (h + 4) * row;
        const QRectF box(x, y, w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawRoundedRect(box, 3, 3);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(box, Qt::AlignCenter, text);
    };
    if (data_->odx) {
        const MapQso& q = data_->qsos[*data_->odx];
        plate(QStringLiteral("ODX: %1  %2  %3  %4  %5")
                  .arg(qs(q.call), qs(q.locator), qs(data_->bands[q.band]), km_text(q.qrb.distance),
                       bearing_text(q.qrb)),
              Qt::AlignRight | Qt::AlignTop, 0);
    }
    if (data_->qsos.empty() && data_->squares.empty()) {
        plate(QStringLiteral("Nincs lokátoros QSO a LOG-ban"), Qt::AlignRight | Qt::AlignTop, 0);
    }
    if (!with_cursor) return;
    plate(QStringLiteral("Görgő, +/−: nagyítás   húzás, nyilak: mozgatás   0: alaphelyzet"),
          Qt::AlignRight | Qt::AlignBottom, 0);
    if (cursor_) {
        if (const std::optional<GeoPoint> g = projection_->inverse(to_km(*cursor_, size))) {
            const GeoPoint c = projection_->centre();
            plate(QStringLiteral("%1   %2   %3°")
                      .arg(qs(locator_at(*g)), km_text(great_circle_km(c, *g)))
                      .arg(static_cast<int>(std::lround(initial_bearing_deg(c, *g))) % 360),
                  Qt::AlignLeft | Qt::AlignBottom, 0);
        }
    }
}

QString MapView::tip_at(QPointF pos) const {
    if (!data_ || !projection_) return {};
    std::vector<std::pair<double, std::size_t>> near;
    for (std::size_t i = 0; i < dots_.size(); ++i) {
        const QPointF d = to_px(dots_[i], size()) - pos;
        const double dist = std::hypot(d.x(), d.y());
        if (dist <= kHoverPx) near.emplace_back(dist, i);
    }
    std::sort(near.begin(), near.end());
    QStringList rows;
    for (const auto& [dist, i] : near) {
        if (rows.size() == kMaxTipStations) {
            rows
                << QStringLiteral("… és még %1").arg(near.size() - static_cast<std::size_t>(kMaxTipStations));
            break;
        }
        const MapQso& q = data_->qsos[i];
        rows << QStringLiteral("%1  %2  %3  %4  %5")
                    .arg(qs(q.call), qs(q.locator), qs(data_->bands[q.band]), km_text(q.qrb.distance),
                         bearing_text(q.qrb));
    }
    return rows.join(QLatin1Char('\n'));
}

QByteArray MapView::png_bytes() const {
    const QSize shown = size();
    const double k = std::max(1.0, kPrintSide / std::max(shown.width(), shown.height()));
    QImage image((QSizeF(shown) * k).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(kOutside);
    {
        QPainter p(&image);
        p.scale(k, k);
        draw(p, shown, false);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray MapView::svg_bytes() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size());
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    svg.setTitle(QStringLiteral("Loxar – térkép"));
    {
        QPainter p(&svg);
        draw(p, size(), false);
    }
    return bytes;
}

void MapView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!moved_by_operator_) fit();
}

void MapView::wheelEvent(QWheelEvent* e) {
    const double notches = e->angleDelta().y() / 120.0;
    if (notches != 0) zoom(std::pow(kZoomStep, notches), e->position());
    e->accept();
}

void MapView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    setFocus(Qt::MouseFocusReason);
    drag_from_ = e->position();
    pan_at_drag_ = pan_;
    setCursor(Qt::ClosedHandCursor);
}

void MapView::mouseMoveEvent(QMouseEvent* e) {
    cursor_ = e->position();
    if (drag_from_) {
        pan_ = pan_at_drag_;
        pan_by(e->position() - *drag_from_);
    } else {
        update();
    }
}

void MapView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(e);
    drag_from_.reset();
    setCursor(Qt::OpenHandCursor);
}

void MapView::leaveEvent(QEvent* e) {
    cursor_.reset();
    update();
    QWidget::leaveEvent(e);
}

void MapView::keyPressEvent(QKeyEvent* e) {
    const QPointF middle(width() / 2.0, height() / 2.0);
    const double step = std::min(width(), height()) / 8.0;
    switch (e->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: zoom(kZoomStep, middle); break;
        case Qt::Key_Minus: zoom(1 / kZoomStep, middle); break;
        case Qt::Key_Left: pan_by({step, 0}); break;
        case Qt::Key_Right: pan_by({-step, 0}); break;
        case Qt::Key_Up: pan_by({0, step}); break;
        case Qt::Key_Down: pan_by({0, -step}); break;
        case Qt::Key_0:
        case Qt::Key_Home: reset_view(); break;
        default: return QWidget::keyPressEvent(e);
    }
    e->accept();
}

bool MapView::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString tip = tip_at(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(e);
}

}  // namespace loxar::ui
