// Window tests of the yes/no dialog and the file chooser.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <memory>

#include "text/text.hpp"
#include "ui/file_chooser.hpp"
#include "ui/support/ui_test.hpp"
#include "ui/yes_no_dialog.hpp"

using loxar::DialogVars;
using loxar::FileChooserDialog;
using loxar::testing::click_in_next_modal;
using loxar::testing::columns;
using loxar::testing::row;
using loxar::testing::when_modal_opens;

namespace {

QString q(const loxar::Text& t) {
    return QString::fromStdString(loxar::cp1250_to_utf8(t));
}
loxar::Text t(const QString& s) {
    return loxar::utf8_to_cp1250(s.toStdString());
}

// A fresh home directory holding the given files (a name ending in "/" is a directory).
QString home_with(const QStringList& entries = {}) {
    const QString home = loxar::testing::temp_home();
    QDir().mkpath(home);
    for (const QString& e : entries) {
        if (e.endsWith('/')) {
            QDir(home).mkpath(e);
        } else {
            QFile f(home + '/' + e);
            f.open(QIODevice::WriteOnly);
        }
    }
    return home;
}

QStringList texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// What the caller hands the chooser: mode (0 confirm, 1 pick, 2 name), extension, directory.
DialogVars call(int mode, const QString& extension, const QString& directory) {
    DialogVars d;
    d.chooser_mode = static_cast<loxar::ChooserMode>(mode);
    d.chooser_extension = t(extension);
    d.chooser_directory = t(directory);
    return d;
}

// The chooser with a scripted answer to the overwrite question.
struct Chooser {
    Chooser(DialogVars& d, const QString& program_dir, QString answer = {})
        : dialog(nullptr, d, program_dir, [this, answer](DialogVars& v) {
              asked.push_back(v.question_number);
              v.dialog_answer = t(answer);
          }) {
        // Shown without modality so the tests' own message-box watcher sees only message boxes.
        dialog.setWindowModality(Qt::NonModal);
        dialog.show();
    }
    template <class W>
    W* find(const char* name) {
        auto* w = dialog.findChild<W*>(QLatin1String(name));
        if (!w) qFatal("missing widget %s", name);
        return w;
    }
    void type_name(const QString& name) { find<QLineEdit>("destination_nev")->setText(name); }
    void ok() { find<QPushButton>("oke")->click(); }

    std::vector<loxar::Question> asked;
    FileChooserDialog dialog;
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void yes_no_shows_the_question_of_its_number_data() {
        columns<int, QString, QString>("number", "free_text", "shown");
        row("overwrite", int(loxar::Question::Overwrite), "", "File létezik, felülírjam?");
        row("free text", int(loxar::Question::FreeText), "Dupla QSO, Folytatja?", "Dupla QSO, Folytatja?");
        row("free text, two lines", int(loxar::Question::FreeText), "Elmentette?\r\nBiztos?",
            "Elmentette?\nBiztos?");
        row("none", int(loxar::Question::None), "ignored", "");
    }
    void yes_no_shows_the_question_of_its_number() {
        QFETCH(int, number);
        QFETCH(QString, free_text);
        QFETCH(QString, shown);
        DialogVars d;
        d.question_number = static_cast<loxar::Question>(number);
        d.question_text = t(free_text);
        d.dialog_answer = "OK";
        QString label, title, answer_while_open = "unset";
        when_modal_opens([&](QWidget* m) {
            answer_while_open = q(d.dialog_answer);
            label = m->findChild<QLabel*>("kerdezo_label")->text();
            title = m->windowTitle();
            m->findChild<QPushButton*>("nem_cmd")->click();
        });
        loxar::run_igen_nem(nullptr, d, {});
        QCOMPARE(label, shown);
        QCOMPARE(title, QString("Loxar"));
        QCOMPARE(answer_while_open, QString());  // an earlier "OK" never survives the opening
        QCOMPARE(q(d.dialog_answer), QString());
    }

    void yes_no_answers_from_the_keyboard_data() {
        columns<QList<int>, QString>("keys", "answer");
        row("Enter is no", QList<int>{Qt::Key_Return}, "");
        row("keypad Enter is no", QList<int>{Qt::Key_Enter}, "");
        row("Escape is no", QList<int>{Qt::Key_Escape}, "");
        row("I is yes", QList<int>{Qt::Key_I}, "OK");
        row("N is no", QList<int>{Qt::Key_N}, "");
        row("Tab to Igen, Enter", QList<int>{Qt::Key_Tab, Qt::Key_Return}, "OK");
        row("Space on Nem", QList<int>{Qt::Key_Space}, "");
    }
    void yes_no_answers_from_the_keyboard() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, answer);
        DialogVars d;
        d.question_number = loxar::Question::Overwrite;
        QString first_focus;
        when_modal_opens([&](QWidget* m) {
            QWidget* focus = QApplication::focusWidget();
            first_focus = focus ? focus->objectName() : QString();
            for (int key : keys) {
                QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m;
                QTest::keyClick(target, static_cast<Qt::Key>(key));
            }
            if (m->isVisible()) m->findChild<QPushButton*>("nem_cmd")->click();
        });
        loxar::run_igen_nem(nullptr, d, {});
        QCOMPARE(first_focus, QString("nem_cmd"));
        QCOMPARE(q(d.dialog_answer), answer);
    }

    void chooser_opens_by_mode_data() {
        columns<int, QString, QString, bool, QString>("mode", "extension", "title", "extension_shown",
                                                      "dotted");
        row("pick", 1, "hdr", "File select", false, ".hdr");
        row("name", 2, "hdr", "Enter name", true, ".hdr");
        row("confirm", 0, "hdr", "File select", false, ".hdr");
        row("no extension", 2, "", "Enter name", true, "");
    }
    void chooser_opens_by_mode() {
        QFETCH(int, mode);
        QFETCH(QString, extension);
        QFETCH(QString, title);
        QFETCH(bool, extension_shown);
        QFETCH(QString, dotted);
        const QString home = home_with({"a.hdr", "b.log"});
        DialogVars d = call(mode, extension, home);
        d.chosen_path = "left over";
        Chooser c(d, "/nowhere");
        QVERIFY(c.dialog.windowTitle().endsWith(" (" + title + ")"));
        QVERIFY(c.dialog.windowTitle().startsWith(QString::fromUtf8(mode == 2 ? "Fájlnév" : "Fájl ")));
        QCOMPARE(q(d.chooser_title), title);
        QCOMPARE(q(d.chosen_path), QString());
        QCOMPARE(c.find<QLineEdit>("kiterjesztes_text")->text(), dotted);
        QCOMPARE(c.find<QLineEdit>("kiterjesztes_text")->isVisible(), extension_shown);
        QCOMPARE(c.find<QLabel>("filter_label")->text(), dotted);
        QCOMPARE(c.find<QLineEdit>("destination_nev")->text(), QString());
        QCOMPARE(c.find<QLineEdit>("uj_directory_nev")->text(), QString());
        QCOMPARE(c.find<QLabel>("directory_nev")->text(), QDir::toNativeSeparators(home));
        // The raw listing stays complete; only the operator's view is filtered.
        const QStringList all{"a.hdr", "b.log"};
        QCOMPARE(texts(c.find<QListWidget>("destination_file_lista")), all);
        const QStringList shown = extension.isEmpty() ? all : QStringList{"a.hdr"};
        QCOMPARE(texts(c.find<QListWidget>("destination_lista")), shown);
        c.find<QPushButton>("filter_cmd")->click();
        QCOMPARE(texts(c.find<QListWidget>("destination_lista")), shown);
    }

    void chooser_starts_in_the_program_directory_and_creates_nothing() {
        const QString home = home_with({"x.log"});
        DialogVars d = call(1, "", "");
        {
            Chooser c(d, home);
            QCOMPARE(c.dialog.current_directory(), home);
            QCOMPARE(texts(c.find<QListWidget>("destination_lista")), QStringList{"x.log"});
        }
        d.chooser_directory = t(home + "/REPORT");
        Chooser c(d, home);
        QVERIFY(!QFileInfo::exists(home + "/REPORT"));
        QCOMPARE(c.dialog.current_directory(), QString());
        QCOMPARE(c.find<QListWidget>("destination_lista")->count(), 0);
        // Without a directory a name cannot be placed: the operator is told and stays.
        loxar::testing::Modals boxes;
        c.type_name("abc");
        c.ok();
        QCOMPARE(boxes.seen, QStringList{"Select directory before!"});
        QVERIFY(c.dialog.isVisible());
        QCOMPARE(q(d.chosen_path), QString());
    }

    // The path it hands back, and whether it asks before overwriting ("~" is the directory;
    // old.log is there, and a confirming caller hands in its path).
    void chooser_builds_the_path_by_mode_data() {
        columns<int, QString, QString, QString, bool>("mode", "name", "answer", "expected", "asked");
        row("pick plain", 1, "abc.log", "", "~/abc.log", false);
        row("pick trims", 1, "  abc.log ", "", "~/abc.log", false);
        row("pick never asks", 1, "old.log", "", "~/old.log", false);
        row("name appends", 2, "abc", "", "~/abc.log", false);
        row("name, exists, yes", 2, "old", "OK", "~/old.log", true);
        row("name, exists, no", 2, "old", "", "", true);
        row("confirm keeps caller, yes", 0, "x", "OK", "~/old.log", true);
        row("confirm, exists, no", 0, "x", "", "", true);
        row("blank pick", 1, "", "OK", "", false);
        row("blank name", 2, "   ", "OK", "", false);
        row("blank confirm", 0, "", "OK", "", false);
    }
    void chooser_builds_the_path_by_mode() {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        QFETCH(bool, asked);
        const QString home = home_with({"old.log"});
        DialogVars d = call(mode, "log", home);
        d.chosen_path = t(home + "/old.log");
        Chooser c(d, home, answer);
        c.type_name(name);
        c.ok();
        QCOMPARE(q(d.chosen_path), expected.replace("~", home));
        QCOMPARE(c.asked == std::vector<loxar::Question>{loxar::Question::Overwrite}, asked);
        QVERIFY(!c.dialog.isVisible());
        if (!expected.isEmpty()) QCOMPARE(c.dialog.result(), int(QDialog::Accepted));
    }

    void chooser_overwrite_question_uses_the_yes_no_dialog_by_default() {
        const QString home = home_with({"old.edi"});
        DialogVars d = call(2, "edi", home);
        FileChooserDialog dialog(nullptr, d, home, {});
        dialog.findChild<QLineEdit*>("destination_nev")->setText("old");
        QString question;
        when_modal_opens([&](QWidget* m) {
            question = m->findChild<QLabel*>("kerdezo_label")->text();
            m->findChild<QPushButton*>("igen_cmd")->click();
        });
        dialog.findChild<QPushButton*>("oke")->click();
        QCOMPARE(question, QString("File létezik, felülírjam?"));
        QCOMPARE(q(d.chosen_path), home + "/old.edi");
        QCOMPARE(d.question_number, loxar::Question::Overwrite);
    }

    void chooser_cancel_and_escape_clear_the_path() {
        const QString home = home_with();
        for (bool by_escape : {false, true}) {
            DialogVars d = call(0, "", home);
            d.chosen_path = "keep me";
            Chooser c(d, home);
            c.type_name("abc");
            if (by_escape) {
                QTest::keyClick(&c.dialog, Qt::Key_Escape);
            } else {
                c.find<QPushButton>("cancel")->click();
            }
            QCOMPARE(q(d.chosen_path), QString());
            QVERIFY(!c.dialog.isVisible());
        }
    }

    void chooser_enter_in_the_name_field_runs_ok_once() {
        const QString home = home_with({"abc.log"});
        DialogVars d = call(2, "log", home);
        Chooser c(d, home, "OK");
        auto* name = c.find<QLineEdit>("destination_nev");
        name->setText("abc");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(c.asked.size(), std::size_t(1));
        QCOMPARE(q(d.chosen_path), home + "/abc.log");
    }

    void chooser_single_click_and_ok_take_the_file() {
        const QString home = home_with({"a.qra", "b.qra"});
        DialogVars d = call(1, "qra", home);
        Chooser c(d, home);
        QVERIFY(QTest::qWaitForWindowExposed(&c.dialog));
        auto* list = c.find<QListWidget>("destination_lista");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        c.ok();
        QCOMPARE(q(d.chosen_path), home + "/b.qra");
    }

    void chooser_double_click_takes_the_entry() {
        const QString home = home_with({"contest.2m.log"});
        DialogVars d = call(2, "", home);  // every entry listed
        Chooser c(d, home);
        QVERIFY(QTest::qWaitForWindowExposed(&c.dialog));
        auto* list = c.find<QListWidget>("destination_lista");
        const QPoint at = list->visualItemRect(list->item(0)).center();
        // A view takes a double click only on the item it saw pressed first.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(c.find<QLineEdit>("destination_nev")->text(), QString("contest"));
    }

    void chooser_follows_the_directory_tree() {
        const QString home = home_with({"top.log", "sub/", "sub/inner.log"});
        DialogVars d = call(1, "log", home);
        Chooser c(d, home);
        auto* tree = c.find<QTreeView>("destination_library");
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        QVERIFY(model);
        tree->setCurrentIndex(model->index(home + "/sub"));
        QCOMPARE(c.find<QLabel>("directory_nev")->text(), QDir::toNativeSeparators(home + "/sub"));
        QCOMPARE(texts(c.find<QListWidget>("destination_lista")), QStringList{"inner.log"});
        c.type_name("inner.log");
        c.ok();
        QCOMPARE(q(d.chosen_path), home + "/sub/inner.log");
    }

    void chooser_refuses_a_name_that_leaves_the_directory() {
        const QString home = home_with({"sub/"});
        DialogVars d = call(2, "log", home + "/sub");
        Chooser c(d, home, "OK");
        c.type_name("../evil");
        c.ok();
        QVERIFY(c.dialog.isVisible());
        QCOMPARE(q(d.chosen_path), QString());
        QCOMPARE(c.find<QLineEdit>("destination_nev")->text(), QString("../evil"));
        QVERIFY(c.asked.empty());
    }

    void chooser_new_directory_data() {
        // `created` is relative to the home directory.
        columns<bool, QString, QString, QString>("has_directory", "name", "message", "created");
        row("no directory", false, "uj", "Select directory before!", "");
        row("no name", true, "  ", "Fill name before!", "");
        row("created", true, "Verseny 2024", "Created!", "Verseny 2024");
        row("escape refused", true, "../kint", "", "");
        row("exists already", true, "van", "", "");
    }
    void chooser_new_directory() {
        QFETCH(bool, has_directory);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, created);
        const QString home = home_with({"van/"});
        DialogVars d = call(2, "", has_directory ? home : home + "/missing");
        Chooser c(d, home);
        c.find<QLineEdit>("uj_directory_nev")->setText(name);
        const QStringList before = QDir(home + "/..").entryList(QDir::AllEntries);
        QStringList seen;
        {
            loxar::testing::Modals boxes;
            c.find<QPushButton>("new_library")->click();
            seen = boxes.seen;
        }
        QCOMPARE(seen, message.isEmpty() ? QStringList{} : QStringList{message});
        QStringList dirs = QDir(home).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        dirs.removeAll("van");
        QCOMPARE(dirs, created.isEmpty() ? QStringList{} : QStringList{created});
        QCOMPARE(QDir(home + "/..").entryList(QDir::AllEntries), before);
        QVERIFY(!QFileInfo::exists(home + "/missing"));
        if (!created.isEmpty()) {
            auto* model = qobject_cast<QFileSystemModel*>(c.find<QTreeView>("destination_library")->model());
            QVERIFY(model->index(home + '/' + created).isValid());
            QCOMPARE(c.dialog.current_directory(), home);  // creating does not move there
        }
        QVERIFY(c.dialog.isVisible());
    }

    void run_file_valasztas_is_modal_and_returns_the_path() {
        const QString home = home_with();
        DialogVars d = call(2, "adi", home);
        loxar::testing::answer_chooser("export");
        loxar::run_file_valasztas(nullptr, d, home);
        QCOMPARE(q(d.chosen_path), home + "/export.adi");

        d.chooser_mode = loxar::ChooserMode::Open;
        click_in_next_modal("cancel");
        loxar::run_file_valasztas(nullptr, d, home);
        QCOMPARE(q(d.chosen_path), QString());
    }
};

LOXAR_UI_TEST(DialogsTest)
#include "dialogs_test.moc"
