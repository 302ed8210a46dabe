// The log list's model follows the log by what changed: an added QSO is an inserted row, a
// rewritten line a repaint, only a changed row order a reset.
#include <QLabel>
#include <QListView>
#include <QSignalSpy>

#include "support/sample_lines.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

class LogModelTest : public QObject {
    Q_OBJECT
private slots:
    void eachChangeReachesTheViewAsWhatItIs() {
        testing::StartedWindow win;
        Session& s = win.session();
        QListView* view = win.find<QListView>("log_lista");
        QAbstractItemModel* model = view->model();
        for (int i = 1; i <= 3; ++i) s.log_lista.add(testing::general("HA" + std::to_string(i) + "AA", i));
        win.w->refresh(Aspect::All);
        QCOMPARE(model->rowCount(), 3);

        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);

        s.log_lista.add(testing::general("HA4AA", 4));
        s.log_lista.select_only(3);
        win.w->refresh(Aspect::LogList);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 3);
        QCOMPARE(view->currentIndex().row(), 3);
        win.w->refresh(Aspect::All);  // nothing new: nothing for the view to do
        QCOMPARE(inserted.count() + changed.count() + resets.count(), 1);

        s.log_lista.set(0, testing::general("HA9ZZ", 1));
        win.w->refresh(Aspect::All);
        QCOMPARE(changed.count(), 1);
        QVERIFY(model->index(0, 0).data().toString().contains(QStringLiteral("HA9ZZ")));

        s.log_lista.remove(1);
        win.w->refresh(Aspect::All);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model->rowCount(), 3);
    }

    void selectingAQsoExplainsItsScore() {
        testing::StartedWindow win;
        Session& s = win.session();
        s.log_lista.add(testing::general("HA1AA", 1));
        s.log_lista.add(testing::general("HA1AA", 2));
        win.w->refresh(Aspect::All);
        QListView* view = win.find<QListView>("log_lista");
        view->setCurrentIndex(view->model()->index(1, 0));
        const QString why = win.find<QLabel>("pont_magyarazat_label")->text();
        QVERIFY2(why.startsWith(QStringLiteral("2. HA1AA 145 MHz: 1 pont")), qPrintable(why));
        QVERIFY2(why.endsWith(QStringLiteral("ismétlés: a 1. QSO-é")), qPrintable(why));
    }
};

LOXAR_UI_TEST(LogModelTest)
#include "log_model_test.moc"
