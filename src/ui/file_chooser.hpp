// The file and directory chooser (file_valasztas): picks or names a file below a directory.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "session/session.hpp"

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeView;

namespace loxar {

// Asks a yes/no question from the dialog variables and leaves the answer in dialog_answer.
using AskYesNo = std::function<void(DialogVars&)>;

// ChooserMode::Open picks an existing file, Save names a file to be written (the extension field
// is appended), Confirm only confirms the path the caller put into chosen_path.
// The result is chosen_path: a full path, or empty when cancelled or refused.
class FileChooserDialog : public QDialog {
    Q_OBJECT
public:
    // Prepares everything of the opening: clears chosen_path, sets the title and the
    // extension, and lists the start directory. Nothing is created on disk.
    FileChooserDialog(QWidget* parent, DialogVars& d, const QString& program_dir, AskYesNo ask_yes_no);

    // The directory the names are joined to; empty when none is selected.
    QString current_directory() const { return current_dir_; }

public slots:
    void reject() override;

private:
    void set_directory(const QString& dir);
    void reread_files();
    void apply_filter();
    void take_entry(QListWidgetItem* item);
    void file_ok_rutin();
    // The files of the current directory, for finding the one a typed name stands for.
    std::vector<Text> directory_files() const;
    void create_directory();
    void show_message(const QString& text, bool is_failure);

    DialogVars& d_;
    AskYesNo ask_yes_no_;
    Text caller_path_;  // what the confirming modes hand back on OK
    QString current_dir_;

    QFileSystemModel* dir_model_;
    QTreeView* destination_library_;
    QListWidget* destination_file_lista_;
    QListWidget* destination_lista_;
    QLineEdit* destination_nev_;
    QLineEdit* kiterjesztes_text_;
    QLabel* filter_label_;
    QLabel* directory_nev_;
    QLineEdit* uj_directory_nev_;
    QPushButton* oke_;
    QPushButton* cancel_;
    QPushButton* filter_cmd_;
    QPushButton* new_library_;
};

// Opens the chooser modally. ask_yes_no asks the overwrite question (number 3); when it is
// empty the chooser uses run_igen_nem.
void run_file_valasztas(QWidget* parent, DialogVars& d, const QString& program_dir, AskYesNo ask_yes_no = {});

}  // namespace loxar
