#pragma once

#include "procedures/data_file_list.h"

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QTreeView;
class QTreeWidget;
class QFileSystemModel;

namespace zam {

// The extended file selection: directory tree, the data files of the chosen
// directory with kind, title and date, sortable by name, title and date.
class TQFileDlg : public QDialog {
    Q_OBJECT

public:
    TQFileDlg(const std::string& caption, const std::string& startDir, const std::string& pattern, int helpContext,
        QWidget* parent = nullptr);
    std::optional<std::string> Run(int position);
    QTreeWidget* List() const { return list_; }
    void OpenDirectory(const std::string& dir);

private:
    void Fill();
    std::string pattern_;
    std::string directory_;
    std::vector<TDataFileEntry> entries_;
    TDataFileSorter sorter_;
    QFileSystemModel* dirs_;
    QTreeView* tree_;
    QLabel* dirLabel_;
    QTreeWidget* list_;
    QLineEdit* edit_;
};

}
