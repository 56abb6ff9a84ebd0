#include "gui/dialogs/data_file_dialog.h"

#include "base/file_names.h"
#include "gui/dialogs/dialog_support.h"
#include "gui/qt_text.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zam {

TQFileDlg::TQFileDlg(const std::string& caption, const std::string& startDir, const std::string& pattern,
    int helpContext, QWidget* parent)
    : QDialog(parent)
    , pattern_(pattern)
    , dirs_(new QFileSystemModel(this))
    , tree_(new QTreeView(this))
    , dirLabel_(new QLabel(this))
    , list_(new QTreeWidget(this))
    , edit_(new QLineEdit(this))
{
    setWindowTitle(ToQString(caption));
    dirs_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    dirs_->setRootPath(QStringLiteral("/"));
    tree_->setModel(dirs_);
    for (int c = 1; c < dirs_->columnCount(); ++c)
        tree_->hideColumn(c);
    tree_->header()->hide();
    QStringList headers;
    for (const auto& c : DataFileColumns())
        headers << ToQString(c);
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    list_->header()->setSectionsClickable(true);
    edit_->setReadOnly(true);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& index) { OpenDirectory(FromQString(dirs_->filePath(index))); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        edit_->setText(item != nullptr ? item->text(0) : QString());
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (!edit_->text().isEmpty())
            accept();
    });
    connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (sorter_.SortBy(column, entries_))
            Fill();
    });

    auto* right = new QVBoxLayout;
    right->addWidget(dirLabel_);
    right->addWidget(list_, 1);
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(new QLabel(QStringLiteral("Datei :"), this));
    editRow->addWidget(edit_, 1);
    right->addLayout(editRow);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    AddHelpButton(*buttons, helpContext, 0);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!edit_->text().isEmpty())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    right->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addLayout(right, 2);
    resize(768, 480);

    std::string dir = IsDirectory(startDir) ? FromQString(QDir(ToQString(startDir)).absolutePath()) : std::string("/");
    QModelIndex index = dirs_->index(ToQString(dir));
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    OpenDirectory(dir);
}

void TQFileDlg::OpenDirectory(const std::string& dir)
{
    if (dir == directory_)
        return;
    directory_ = dir;
    dirLabel_->setText(ToQString("Verzeichnis: " + dir));
    entries_ = ListDataFiles(dir, pattern_);
    sorter_ = TDataFileSorter();
    Fill();
}

void TQFileDlg::Fill()
{
    list_->clear();
    for (const auto& e : entries_)
        new QTreeWidgetItem(list_, { ToQString(e.name), ToQString(e.kind), ToQString(e.title), ToQString(e.date) });
    for (int c = 0; c < 4; ++c)
        list_->resizeColumnToContents(c);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    else
        edit_->clear();
}

std::optional<std::string> TQFileDlg::Run(int position)
{
    PlaceDialog(*this, position);
    if (exec() != QDialog::Accepted || edit_->text().isEmpty())
        return std::nullopt;
    return JoinPath(directory_, FromQString(edit_->text()));
}

}
