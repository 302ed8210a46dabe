// The map beside the statistics page: "Térkép" shows it in place of the page, hovering a dot
// names the station, + zooms, and "Mentés" writes the picture as PNG and SVG.
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolTip>

#include "model/file_io.hpp"
#include "support/sample_lines.hpp"
#include "ui/map_view.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class StatisticsMapTest : public QObject {
    Q_OBJECT
private slots:
    void mapShowsNamesZoomsAndSaves() {
        testing::StartedWindow win;
        win.prepare_iaru_ssb("HA5KDR");  // own locator JN97MM
        Session& s = win.session();
        for (const auto& [call, loc, band] : {std::tuple{"HA1AA", "JN97LL", "145 MHz"},
                                              {"OE1BB", "JN88AA", "145 MHz"},
                                              {"DL1CC", "JO50AA", "435 MHz"}}) {
            s.log_lista.add(testing::line_of(ContestType::Iaru, {.call = call, .loc = loc, .band = band}));
        }
        win.w->refresh(Aspect::All);
        win.find<QPushButton>("statisztika_cmd")->click();
        auto* toggle = win.find<QPushButton>("vegyes_cmd_1");
        QCOMPARE(toggle->text(), QStringLiteral("Térkép"));
        toggle->click();
        auto* map = win.find<ui::MapView>("statisztika_terkep");
        QVERIFY(map->isVisible());
        QVERIFY(!win.find<QWidget>("vegyes_lista_0")->isVisible());
        QCOMPARE(toggle->text(), QStringLiteral("Táblázat"));

        // Laid out at its size in the panel, the view fitted to the log's rings.
        QTRY_VERIFY(map->width() > 400);
        const QPoint dot = map->screen_of(*locator_centre("JN88AA")).toPoint();
        QVERIFY(map->rect().contains(dot));
        QHelpEvent hover(QEvent::ToolTip, dot, map->mapToGlobal(dot));
        QApplication::sendEvent(map, &hover);
        QTRY_VERIFY(QToolTip::text().contains(QStringLiteral("OE1BB")));
        QVERIFY(QToolTip::text().contains(QStringLiteral("JN88AA  145 MHz")));

        const double scale = map->scale();
        QTest::keyClick(map, Qt::Key_Plus);
        QVERIFY(map->scale() > scale);

        testing::answer_chooser(QStringLiteral("terkep"), true);  // then "Elmentve!"
        win.find<QPushButton>("vegyes_cmd_0")->click();
        const auto png = read_file(win.home / "TEMP" / "terkep.png");
        QVERIFY(png.has_value());
        QVERIFY(!QImage::fromData(QByteArray::fromStdString(*png), "PNG").isNull());
        const auto svg = read_file(win.home / "TEMP" / "terkep.svg");
        QVERIFY(svg.has_value());
        QVERIFY(QSvgRenderer(QByteArray::fromStdString(*svg)).isValid());

        toggle->click();  // back to the page
        QVERIFY(!map->isVisible());
        QVERIFY(win.find<QWidget>("vegyes_lista_0")->isVisible());
    }
};

LOXAR_UI_TEST(StatisticsMapTest)
#include "statistics_map_test.moc"
