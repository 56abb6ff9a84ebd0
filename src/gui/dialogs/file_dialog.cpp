#include "gui/dialogs/file_dialog.h"

#include "app/file_choice.h"
#include "base/file_names.h"
#include "base/text_utils.h"
#include "gui/dialogs/dialog_support.h"
#include "gui/qt_text.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace zam {

namespace {
    // Lists folders and writable files only.
    class TWritableFilesProxy : public QSortFilterProxyModel {
    public:
        using QSortFilterProxyModel::QSortFilterProxyModel;

    protected:
        bool filterAcceptsRow(int row, const QModelIndex& parent) const override
        {
            auto* model = qobject_cast<QFileSystemModel*>(sourceModel());
            if (model == nullptr)
                return true;
            QFileInfo info = model->fileInfo(model->index(row, 0, parent));
            return info.isDir() || info.isWritable();
        }
    };
}

std::string QtFilterOf(const std::string& filter)
{
    std::string out;
    for (const auto& e : ParseFilter(filter)) {
        std::string caption = Trim(e.caption);
        std::size_t paren = caption.rfind('(');
        if (paren != std::string::npos && caption.back() == ')')
            caption = Trim(caption.substr(0, paren));
        if (!out.empty())
            out += ";;";
        out += caption + " (" + JoinFields(e.patterns, ' ') + ")";
    }
    return out;
}

std::optional<std::string> TDlgFFrame::Choose(const std::string& title, const std::string& startDir,
    const std::string& proposedName, const std::string& modes, const std::string& filter, int position,
    QWidget* parent)
{
    bool open = modes.find('R') != std::string::npos;
    QFileDialog dialog(parent, ToQString(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setProxyModel(new TWritableFilesProxy(&dialog));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open && modes.find('E') != std::string::npos ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(ToQString(QtFilterOf(filter)));
    if (IsDirectory(startDir))
        dialog.setDirectory(ToQString(startDir));
    std::string proposal = FileNamePart(proposedName);
    if (!proposal.empty() && proposal.find('*') == std::string::npos)
        dialog.selectFile(ToQString(proposal));
    std::string ext = DefaultExtension(proposedName);
    if (!ext.empty())
        dialog.setDefaultSuffix(ToQString(ext));
    while (true) {
        PlaceDialog(dialog, position);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        TFileChoiceResult r = CheckChosenFile(FromQString(dialog.selectedFiles().first()), modes, filter, proposedName);
        if (r.step == TFileChoiceStep::Accept)
            return r.name;
    }
}

}
