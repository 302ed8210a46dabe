// Window tests of the yes/no dialog and the file chooser.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
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

// Answers message boxes that open while it lives and records their texts. Owning the timer
// here (instead of a helper that may outlive the test) keeps a late tick away from other tests.
class MessageBoxWatcher {
public:
    MessageBoxWatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen_ << box->text();
                box->accept();
            }
        });
        timer_.start(0);
    }
    QStringList seen() const { return seen_; }

private:
    QTimer timer_;
    QStringList seen_;
};

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

    std::vector<short> asked;
    FileChooserDialog dialog;
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void yes_no_clears_the_answer_on_every_opening() {
        DialogVars d;
        d.question_number = 7;
        click_in_next_modal("igen_cmd");
        loxar::run_igen_nem(nullptr, d, {});
        QCOMPARE(q(d.dialog_answer), QString("OK"));
        click_in_next_modal("nem_cmd");
        loxar::run_igen_nem(nullptr, d, {});
        QCOMPARE(q(d.dialog_answer), QString());
    }

    void yes_no_shows_the_question_of_its_number_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("free_text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1") << 1 << ""
                           << "Create a new database?";
        QTest::newRow("2") << 2 << ""
                           << "Kilép?";
        QTest::newRow("3") << 3 << ""
                           << "File létezik, felülírjam?";
        QTest::newRow("4") << 4 << ""
                           << "Folytassam?";
        QTest::newRow("5") << 5 << ""
                           << "Create a new contest form?";
        QTest::newRow("6") << 6 << ""
                           << "Select station(s) for database?";
        QTest::newRow("7") << 7 << ""
                           << "Töröljem?";
        QTest::newRow("8") << 8 << ""
                           << "Folytassam";
        QTest::newRow("9 free text") << 9 << "Dupla QSO, Folytatja?"
                                     << "Dupla QSO, Folytatja?";
        QTest::newRow("9 two lines") << 9 << "Elmentette?\r\nBiztos?"
                                     << "Elmentette?\nBiztos?";
        QTest::newRow("10") << 10 << ""
                            << "Select link(s) for database?";
        QTest::newRow("0 none") << 0 << "ignored"
                                << "";
        QTest::newRow("11 none") << 11 << "ignored"
                                 << "";
        QTest::newRow("-1 none") << -1 << "ignored"
                                 << "";
    }
    void yes_no_shows_the_question_of_its_number() {
        QFETCH(int, number);
        QFETCH(QString, free_text);
        QFETCH(QString, shown);
        DialogVars d;
        d.question_number = static_cast<short>(number);
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
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Enter is no") << QList<int>{Qt::Key_Return} << "";
        QTest::newRow("keypad Enter is no") << QList<int>{Qt::Key_Enter} << "";
        QTest::newRow("Escape is no") << QList<int>{Qt::Key_Escape} << "";
        QTest::newRow("I is yes") << QList<int>{Qt::Key_I} << "OK";
        QTest::newRow("N is no") << QList<int>{Qt::Key_N} << "";
        QTest::newRow("Tab to Igen, Enter") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << "OK";
        QTest::newRow("Space on Nem") << QList<int>{Qt::Key_Space} << "";
    }
    void yes_no_answers_from_the_keyboard() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, answer);
        DialogVars d;
        d.question_number = 7;
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
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("extension_shown");
        QTest::addColumn<QString>("dotted");
        QTest::newRow("pick") << 1 << "hdr"
                              << "File select" << false << ".hdr";
        QTest::newRow("name") << 2 << "hdr"
                              << "Enter name" << true << ".hdr";
        QTest::newRow("confirm") << 0 << "hdr"
                                 << "File select" << false << ".hdr";
        QTest::newRow("no extension") << 2 << ""
                                      << "Enter name" << true << "";
    }
    void chooser_opens_by_mode() {
        QFETCH(int, mode);
        QFETCH(QString, extension);
        QFETCH(QString, title);
        QFETCH(bool, extension_shown);
        QFETCH(QString, dotted);
        const QString home = home_with({"a.hdr"});
        DialogVars d;
        d.chooser_mode = static_cast<short>(mode);
        d.chooser_extension = t(extension);
        d.chooser_directory = t(home);
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
        QCOMPARE(texts(c.find<QListWidget>("destination_file_lista")), QStringList{"a.hdr"});
        QCOMPARE(texts(c.find<QListWidget>("destination_lista")), QStringList{"a.hdr"});
    }

    void chooser_starts_in_the_program_directory_and_creates_nothing() {
        const QString home = home_with({"x.log"});
        DialogVars d;
        d.chooser_mode = 1;
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
        MessageBoxWatcher boxes;
        c.type_name("abc");
        c.ok();
        QCOMPARE(boxes.seen(), QStringList{"Select directory before!"});
        QVERIFY(c.dialog.isVisible());
        QCOMPARE(q(d.chosen_path), QString());
    }

    void chooser_builds_the_path_by_mode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caller_path");
        QTest::addColumn<QString>("expected");  // "~" stands for the home directory
        QTest::newRow("pick plain") << 1 << "abc.log"
                                    << ""
                                    << "~/abc.log";
        QTest::newRow("pick trims") << 1 << "  abc.log "
                                    << ""
                                    << "~/abc.log";
        QTest::newRow("name appends") << 2 << "abc"
                                      << ""
                                      << "~/abc.log";
        QTest::newRow("name appends twice") << 2 << "abc.log"
                                            << ""
                                            << "~/abc.log.log";
        QTest::newRow("confirm keeps caller") << 0 << "x"
                                              << "/tmp/given.edi"
                                              << "/tmp/given.edi";
        QTest::newRow("confirm mode 5") << 5 << "x"
                                        << "/tmp/other"
                                        << "/tmp/other";
    }
    void chooser_builds_the_path_by_mode() {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QString, caller_path);
        QFETCH(QString, expected);
        const QString home = home_with();
        DialogVars d;
        d.chooser_mode = static_cast<short>(mode);
        d.chooser_extension = "log";
        d.chooser_directory = t(home);
        d.chosen_path = t(caller_path);
        Chooser c(d, home);
        c.type_name(name);
        c.ok();
        QCOMPARE(q(d.chosen_path), expected.replace("~", home));
        QVERIFY(!c.dialog.isVisible());
        QCOMPARE(c.dialog.result(), int(QDialog::Accepted));
        QVERIFY(c.asked.empty());
    }

    void chooser_asks_before_overwriting_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("kept");
        QTest::newRow("name, exists, yes") << 2 << "old"
                                           << "OK" << true << true;
        QTest::newRow("name, exists, no") << 2 << "old"
                                          << "" << true << false;
        QTest::newRow("name, new file") << 2 << "new"
                                        << "" << false << true;
        QTest::newRow("pick never asks") << 1 << "old.log"
                                         << "" << false << true;
        QTest::newRow("confirm, exists, no") << 0 << "x"
                                             << "" << true << false;
        QTest::newRow("confirm, exists, yes") << 0 << "x"
                                              << "OK" << true << true;
    }
    void chooser_asks_before_overwriting() {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QString, answer);
        QFETCH(bool, asked);
        QFETCH(bool, kept);
        const QString home = home_with({"old.log"});
        DialogVars d;
        d.chooser_mode = static_cast<short>(mode);
        d.chooser_extension = "log";
        d.chooser_directory = t(home);
        d.chosen_path = t(home + "/old.log");  // what a confirming caller hands in
        Chooser c(d, home, answer);
        c.type_name(name);
        c.ok();
        QCOMPARE(c.asked == std::vector<short>{3}, asked);
        QCOMPARE(!d.chosen_path.empty(), kept);
        QVERIFY(!c.dialog.isVisible());
    }

    void chooser_overwrite_question_uses_the_yes_no_dialog_by_default() {
        const QString home = home_with({"old.edi"});
        DialogVars d;
        d.chooser_mode = 2;
        d.chooser_extension = "edi";
        d.chooser_directory = t(home);
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
        QCOMPARE(d.question_number, short(3));
    }

    void chooser_blank_name_closes_with_empty_path_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::newRow("pick, empty") << 1 << "";
        QTest::newRow("name, blanks") << 2 << "   ";
        QTest::newRow("confirm, empty") << 0 << "";
    }
    void chooser_blank_name_closes_with_empty_path() {
        QFETCH(int, mode);
        QFETCH(QString, name);
        const QString home = home_with({"a.log"});
        DialogVars d;
        d.chooser_mode = static_cast<short>(mode);
        d.chooser_extension = "log";
        d.chooser_directory = t(home);
        d.chosen_path = t(home + "/a.log");
        Chooser c(d, home, "OK");
        c.type_name(name);
        c.ok();
        QCOMPARE(q(d.chosen_path), QString());
        QVERIFY(!c.dialog.isVisible());
        QVERIFY(c.asked.empty());
    }

    void chooser_cancel_and_escape_clear_the_path() {
        const QString home = home_with();
        for (bool by_escape : {false, true}) {
            DialogVars d;
            d.chooser_mode = 0;
            d.chooser_directory = t(home);
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
        DialogVars d;
        d.chooser_mode = 2;
        d.chooser_extension = "log";
        d.chooser_directory = t(home);
        Chooser c(d, home, "OK");
        auto* name = c.find<QLineEdit>("destination_nev");
        name->setText("abc");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(c.asked.size(), std::size_t(1));
        QCOMPARE(q(d.chosen_path), home + "/abc.log");
    }

    void chooser_lists_only_files_of_its_extension_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("log") << QStringList{"a.log", "b.LOG", "c.log.bak", "log", "x.log", "d.adi"} << "log"
                             << QStringList{"a.log", "b.LOG", "x.log"};
        QTest::newRow("upper-case files")
            << QStringList{"hang.WAV", "b.wav", "c.dat"} << "wav" << QStringList{"b.wav", "hang.WAV"};
        QTest::newRow("upper-case extension")
            << QStringList{"verseny.sum", "x.SUM", "y.txt"} << "SUM" << QStringList{"verseny.sum", "x.SUM"};
        QTest::newRow("nothing matches") << QStringList{"a.txt", "b.cbr"} << "edi" << QStringList{};
        QTest::newRow("empty list") << QStringList{} << "log" << QStringList{};
        QTest::newRow("star keeps all")
            << QStringList{"a.adi", "b.edi"} << "*" << QStringList{"a.adi", "b.edi"};
    }
    void chooser_lists_only_files_of_its_extension() {
        QFETCH(QStringList, files);
        QFETCH(QString, extension);
        QFETCH(QStringList, kept);
        const QString home = home_with(files << "sub/");
        DialogVars d;
        d.chooser_mode = 1;
        d.chooser_extension = t(extension);
        d.chooser_directory = t(home);
        Chooser c(d, home);
        QCOMPARE(texts(c.find<QListWidget>("destination_lista")), kept);
        c.find<QPushButton>("filter_cmd")->click();
        QCOMPARE(texts(c.find<QListWidget>("destination_lista")), kept);
        // The raw listing stays complete; only the operator's view is filtered.
        QCOMPARE(c.find<QListWidget>("destination_file_lista")->count(), files.size() - 1);
    }

    void chooser_single_click_and_ok_take_the_file() {
        const QString home = home_with({"a.qra", "b.qra"});
        DialogVars d;
        d.chooser_mode = 1;
        d.chooser_extension = "qra";
        d.chooser_directory = t(home);
        Chooser c(d, home);
        QVERIFY(QTest::qWaitForWindowExposed(&c.dialog));
        auto* list = c.find<QListWidget>("destination_lista");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        c.ok();
        QCOMPARE(q(d.chosen_path), home + "/b.qra");
    }

    void chooser_completes_a_typed_name_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("extension added") << QStringList{"minta.qra"} << "qra"
                                         << "minta"
                                         << "minta.qra";
        QTest::newRow("over a bare twin") << QStringList{"minta", "minta.qra"} << "qra"
                                          << "minta"
                                          << "minta.qra";
        QTest::newRow("no such file yet") << QStringList{} << "log"
                                          << "contest.2m"
                                          << "contest.2m.log";
        QTest::newRow("other case") << QStringList{"hang.WAV"} << "wav"
                                    << "HANG"
                                    << "hang.WAV";
        QTest::newRow("other file as typed") << QStringList{"notes.txt"} << "qra"
                                             << "notes.txt"
                                             << "notes.txt";
        QTest::newRow("any file") << QStringList{"a.adi"} << "*"
                                  << "a"
                                  << "a";
    }
    void chooser_completes_a_typed_name() {
        QFETCH(QStringList, files);
        QFETCH(QString, extension);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        const QString home = home_with(files);
        DialogVars d;
        d.chooser_mode = 1;
        d.chooser_extension = t(extension);
        d.chooser_directory = t(home);
        Chooser c(d, home);
        c.type_name(typed);
        c.ok();
        QCOMPARE(q(d.chosen_path), home + '/' + chosen);
    }

    void chooser_double_click_takes_the_entry_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::newRow("pick whole") << 1 << "contest.2m.log"
                                    << "contest.2m.log";
        QTest::newRow("name before first dot") << 2 << "contest.2m.log"
                                               << "contest";
        QTest::newRow("name without dot") << 2 << "README"
                                          << "README";
        QTest::newRow("confirm before dot") << 0 << "x.edi"
                                            << "x";
    }
    void chooser_double_click_takes_the_entry() {
        QFETCH(int, mode);
        QFETCH(QString, entry);
        QFETCH(QString, name);
        const QString home = home_with({entry});
        DialogVars d;
        d.chooser_mode = static_cast<short>(mode);
        d.chooser_extension.clear();  // every entry listed
        d.chooser_directory = t(home);
        Chooser c(d, home);
        QVERIFY(QTest::qWaitForWindowExposed(&c.dialog));
        auto* list = c.find<QListWidget>("destination_lista");
        QCOMPARE(list->count(), 1);
        const QPoint at = list->visualItemRect(list->item(0)).center();
        // A view takes a double click only on the item it saw pressed first.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(c.find<QLineEdit>("destination_nev")->text(), name);
    }

    void chooser_follows_the_directory_tree() {
        const QString home = home_with({"top.log", "sub/", "sub/inner.log"});
        DialogVars d;
        d.chooser_mode = 1;
        d.chooser_extension = "log";
        d.chooser_directory = t(home);
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

    void chooser_refuses_names_that_leave_the_directory_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::newRow("parent, pick") << 1 << "../evil.log";
        QTest::newRow("parent, name") << 2 << "../evil";
        QTest::newRow("absolute") << 2 << "/tmp/evil";
        QTest::newRow("subfolder") << 1 << "sub/a.log";
        QTest::newRow("backslash") << 2 << "..\\evil";
        QTest::newRow("dot dot alone") << 1 << "..";
        QTest::newRow("dot alone") << 1 << ".";
    }
    void chooser_refuses_names_that_leave_the_directory() {
        QFETCH(int, mode);
        QFETCH(QString, name);
        const QString home = home_with({"sub/"});
        DialogVars d;
        d.chooser_mode = static_cast<short>(mode);
        d.chooser_extension = "log";
        d.chooser_directory = t(home + "/sub");
        Chooser c(d, home, "OK");
        c.type_name(name);
        c.ok();
        QVERIFY(c.dialog.isVisible());
        QCOMPARE(q(d.chosen_path), QString());
        QCOMPARE(c.find<QLineEdit>("destination_nev")->text(), name);
        QVERIFY(c.asked.empty());
    }

    void chooser_new_directory_data() {
        QTest::addColumn<bool>("has_directory");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("created");  // relative to the home directory
        QTest::newRow("no directory") << false << "uj"
                                      << "Select directory before!"
                                      << "";
        QTest::newRow("no name") << true << "  "
                                 << "Fill name before!"
                                 << "";
        QTest::newRow("created") << true << "Verseny 2024"
                                 << "Created!"
                                 << "Verseny 2024";
        QTest::newRow("escape refused") << true << "../kint"
                                        << ""
                                        << "";
        QTest::newRow("nested refused") << true << "a/b"
                                        << ""
                                        << "";
        QTest::newRow("exists already") << true << "van"
                                        << ""
                                        << "";
    }
    void chooser_new_directory() {
        QFETCH(bool, has_directory);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, created);
        const QString home = home_with({"van/"});
        DialogVars d;
        d.chooser_mode = 2;
        d.chooser_directory = t(has_directory ? home : home + "/missing");
        Chooser c(d, home);
        c.find<QLineEdit>("uj_directory_nev")->setText(name);
        const QStringList before = QDir(home + "/..").entryList(QDir::AllEntries);
        QStringList seen;
        {
            MessageBoxWatcher boxes;
            c.find<QPushButton>("new_library")->click();
            seen = boxes.seen();
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
        DialogVars d;
        d.chooser_mode = 2;
        d.chooser_extension = "adi";
        d.chooser_directory = t(home);
        when_modal_opens([](QWidget* m) {
            m->findChild<QLineEdit*>("destination_nev")->setText("export");
            m->findChild<QPushButton*>("oke")->click();
        });
        loxar::run_file_valasztas(nullptr, d, home);
        QCOMPARE(q(d.chosen_path), home + "/export.adi");

        d.chooser_mode = 1;
        click_in_next_modal("cancel");
        loxar::run_file_valasztas(nullptr, d, home);
        QCOMPARE(q(d.chosen_path), QString());
    }
};

LOXAR_UI_TEST(DialogsTest)
#include "dialogs_test.moc"
