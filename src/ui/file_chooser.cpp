// The file chooser: directory tree, file list with extension filter, name entry, new directory.
#include "ui/file_chooser.hpp"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

#include "model/chooser_names.hpp"
#include "text/text.hpp"
#include "ui/qt_text.hpp"
#include "ui/yes_no_dialog.hpp"

namespace loxar {

namespace {

QPushButton* make_button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    // Enter belongs to the name fields; a focused button must not turn it into a second action.
    b->setAutoDefault(false);
    return b;
}

}  // namespace

FileChooserDialog::FileChooserDialog(QWidget* parent, DialogVars& d, const QString& program_dir,
                                     AskYesNo ask_yes_no)
    : QDialog(parent), d_(d), ask_yes_no_(std::move(ask_yes_no)) {
    setModal(true);
    if (!ask_yes_no_) {
        ask_yes_no_ = [this, program_dir](DialogVars& v) { run_igen_nem(this, v, program_dir); };
    }

    const bool typing = d_.chooser_mode == ChooserMode::Save;
    const QString title = typing ? QStringLiteral("Enter name") : QStringLiteral("File select");
    d_.chooser_title = cp(title);
    // The operator reads Hungarian first; the chooser's own title stays beside it.
    const QString caption = typing ? QStringLiteral("Fájlnév megadása") : QStringLiteral("Fájl kiválasztása");
    setWindowTitle(caption + QStringLiteral(" (") + title + QLatin1Char(')'));
    caller_path_ = d_.chosen_path;
    d_.chosen_path.clear();

    const QString ext = qs(dotted_extension(d_.chooser_extension));

    dir_model_ = new QFileSystemModel(this);
    dir_model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    dir_model_->setRootPath(QDir::rootPath());
    destination_library_ = new QTreeView(this);
    destination_library_->setObjectName(QStringLiteral("destination_library"));
    destination_library_->setModel(dir_model_);
    destination_library_->setHeaderHidden(true);
    for (int c = 1; c < dir_model_->columnCount(); ++c) destination_library_->hideColumn(c);

    destination_file_lista_ = new QListWidget(this);
    destination_file_lista_->setObjectName(QStringLiteral("destination_file_lista"));
    destination_file_lista_->hide();
    destination_lista_ = new QListWidget(this);
    destination_lista_->setObjectName(QStringLiteral("destination_lista"));

    destination_nev_ = new QLineEdit(this);
    destination_nev_->setObjectName(QStringLiteral("destination_nev"));
    kiterjesztes_text_ = new QLineEdit(ext, this);
    kiterjesztes_text_->setObjectName(QStringLiteral("kiterjesztes_text"));
    kiterjesztes_text_->setMaximumWidth(80);
    kiterjesztes_text_->setVisible(typing);
    filter_label_ = new QLabel(ext, this);
    filter_label_->setObjectName(QStringLiteral("filter_label"));
    directory_nev_ = new QLabel(this);
    directory_nev_->setObjectName(QStringLiteral("directory_nev"));
    directory_nev_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    uj_directory_nev_ = new QLineEdit(this);
    uj_directory_nev_->setObjectName(QStringLiteral("uj_directory_nev"));

    oke_ = make_button(QStringLiteral("OK"), "oke", this);
    cancel_ = make_button(QStringLiteral("Mégse"), "cancel", this);
    filter_cmd_ = make_button(QStringLiteral("Szűrő"), "filter_cmd", this);
    new_library_ = make_button(QStringLiteral("Új könyvtár"), "new_library", this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Könyvtár:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("File-ok:"), this), 0, 1);
    grid->addWidget(destination_library_, 1, 0);
    grid->addWidget(destination_lista_, 1, 1);
    grid->addWidget(destination_file_lista_, 1, 2);
    grid->addWidget(directory_nev_, 2, 0, 1, 2);
    auto* name_row = new QHBoxLayout;
    name_row->addWidget(new QLabel(QStringLiteral("Név:"), this));
    name_row->addWidget(destination_nev_, 1);
    name_row->addWidget(kiterjesztes_text_);
    name_row->addWidget(filter_label_);
    name_row->addWidget(filter_cmd_);
    grid->addLayout(name_row, 3, 0, 1, 2);
    auto* dir_row = new QHBoxLayout;
    dir_row->addWidget(new QLabel(QStringLiteral("Új könyvtár neve:"), this));
    dir_row->addWidget(uj_directory_nev_, 1);
    dir_row->addWidget(new_library_);
    grid->addLayout(dir_row, 4, 0, 1, 2);
    auto* button_row = new QHBoxLayout;
    button_row->addStretch();
    button_row->addWidget(oke_);
    button_row->addWidget(cancel_);
    grid->addLayout(button_row, 5, 0, 1, 2);
    resize(640, 440);

    const QString start = d_.chooser_directory.empty() ? program_dir : qs(d_.chooser_directory);
    // A missing directory is not created here; the operator picks one in the tree instead.
    if (!start.isEmpty() && QFileInfo(start).isDir()) {
        const QString dir = QDir(start).absolutePath();
        const QModelIndex index = dir_model_->index(dir);
        destination_library_->setCurrentIndex(index);
        destination_library_->scrollTo(index);
        destination_library_->expand(index);
        set_directory(dir);
        // The tree fills itself in the background: as each folder on the way is read, the asked-for
        // folder is opened and scrolled into sight again, so the tree shows it, not "/" collapsed.
        connect(dir_model_, &QFileSystemModel::directoryLoaded, this, [this, dir](const QString& path) {
            if (dir != path && !dir.startsWith(path.endsWith('/') ? path : path + '/')) return;
            const QModelIndex target = dir_model_->index(dir);
            destination_library_->scrollTo(target, QAbstractItemView::PositionAtCenter);
            destination_library_->expand(target);
        });
    }

    connect(destination_library_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                set_directory(current.isValid() ? dir_model_->filePath(current) : QString());
            });
    // Selecting a file (a click, the arrow keys) puts it into the name field, so OK opens it.
    connect(destination_lista_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = destination_lista_->selectedItems();
        if (!selected.isEmpty()) take_entry(selected.first());
    });
    connect(destination_lista_, &QListWidget::itemDoubleClicked, this, &FileChooserDialog::take_entry);
    connect(destination_nev_, &QLineEdit::returnPressed, this, &FileChooserDialog::file_ok_rutin);
    connect(uj_directory_nev_, &QLineEdit::returnPressed, this, &FileChooserDialog::create_directory);
    connect(oke_, &QPushButton::clicked, this, &FileChooserDialog::file_ok_rutin);
    connect(cancel_, &QPushButton::clicked, this, &FileChooserDialog::reject);
    connect(filter_cmd_, &QPushButton::clicked, this, &FileChooserDialog::apply_filter);
    connect(new_library_, &QPushButton::clicked, this, &FileChooserDialog::create_directory);

    destination_nev_->setFocus();
}

void FileChooserDialog::reject() {
    d_.chosen_path.clear();
    QDialog::reject();
}

void FileChooserDialog::set_directory(const QString& dir) {
    current_dir_ = dir;
    directory_nev_->setText(QDir::toNativeSeparators(dir));
    reread_files();
}

void FileChooserDialog::reread_files() {
    destination_file_lista_->clear();
    if (!current_dir_.isEmpty()) {
        destination_file_lista_->addItems(
            QDir(current_dir_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    }
    destination_lista_->clear();
    for (int i = 0; i < destination_file_lista_->count(); ++i) {
        destination_lista_->addItem(destination_file_lista_->item(i)->text());
    }
    // The operator sees only the files the caller asks for.
    apply_filter();
}

void FileChooserDialog::apply_filter() {
    const Text dotted = cp(filter_label_->text());
    for (int i = destination_lista_->count() - 1; i >= 0; --i) {
        if (!listed_for(cp(destination_lista_->item(i)->text()), dotted)) {
            delete destination_lista_->takeItem(i);
        }
    }
}

void FileChooserDialog::take_entry(QListWidgetItem* item) {
    if (!item) return;
    destination_nev_->setText(qs(name_from_entry(d_.chooser_mode, cp(item->text()))));
}

void FileChooserDialog::file_ok_rutin() {
    const QString name = destination_nev_->text().trimmed();
    if (name.isEmpty()) {
        QApplication::beep();
        accept();
        return;
    }
    const ChooserMode mode = d_.chooser_mode;
    if (mode != ChooserMode::Confirm) {
        const QString& dotted =
            mode == ChooserMode::Save ? kiterjesztes_text_->text() : filter_label_->text();
        const std::optional<Text> file_name = chosen_file_name(mode, cp(name), cp(dotted), directory_files());
        if (!file_name) {
            QApplication::beep();
            destination_nev_->setFocus();
            destination_nev_->selectAll();
            return;
        }
        if (current_dir_.isEmpty()) {
            show_message(QStringLiteral("Select directory before!"), true);
            return;
        }
        d_.chosen_path = cp(QDir(current_dir_).filePath(qs(*file_name)));
    } else {
        d_.chosen_path = caller_path_;
    }
    if (mode != ChooserMode::Open && !d_.chosen_path.empty() && QFileInfo::exists(qs(d_.chosen_path))) {
        d_.question_number = Question::Overwrite;
        d_.dialog_answer.clear();
        ask_yes_no_(d_);
        if (d_.dialog_answer != "OK") d_.chosen_path.clear();
    }
    accept();
}

std::vector<Text> FileChooserDialog::directory_files() const {
    std::vector<Text> files;
    if (current_dir_.isEmpty()) return files;
    for (const QString& f : QDir(current_dir_).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        files.push_back(cp(f));
    }
    return files;
}

void FileChooserDialog::create_directory() {
    if (current_dir_.isEmpty()) {
        show_message(QStringLiteral("Select directory before!"), true);
        return;
    }
    const QString name = uj_directory_nev_->text().trimmed();
    if (name.isEmpty()) {
        show_message(QStringLiteral("Fill name before!"), true);
        return;
    }
    const QModelIndex parent = dir_model_->index(current_dir_);
    // mkdir also puts the new directory into the tree at once.
    if (!is_plain_name(cp(name)) || !dir_model_->mkdir(parent, name).isValid()) {
        QApplication::beep();
        return;
    }
    destination_library_->expand(parent);
    show_message(QStringLiteral("Created!"), false);
}

void FileChooserDialog::show_message(const QString& text, bool is_failure) {
    if (is_failure) QApplication::beep();
    QMessageBox::information(this, QStringLiteral("Loxar"), text);
}

void run_file_valasztas(QWidget* parent, DialogVars& d, const QString& program_dir, AskYesNo ask_yes_no) {
    FileChooserDialog dialog(parent, d, program_dir, std::move(ask_yes_no));
    dialog.exec();
}

}  // namespace loxar
