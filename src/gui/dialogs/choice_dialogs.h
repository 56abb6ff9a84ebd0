#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QButtonGroup;
class QLineEdit;
class QListWidget;

namespace zam {

// Radio buttons; OK without a choice beeps and stays.
class TRGrpDlg : public QDialog {
    Q_OBJECT

public:
    TRGrpDlg(const std::string& caption, const std::string& groupCaption, const std::vector<std::string>& items,
        int helpContext, int preselected, int position, QWidget* parent = nullptr);
    int Run();

private:
    QButtonGroup* group_;
    int position_;
};

// A list of table-text lines: the selection list (OK / Abbrechen, optional
// sort buttons) or, as action list, "&Bearbeiten" / "&Schließen".
class TSelBxDlg : public QDialog {
    Q_OBJECT

public:
    TSelBxDlg(const std::string& caption, const std::string& label, const std::vector<std::string>& items,
        int helpContext, int preselected, bool sortButtons, int widthMode, int columns, int position, bool actions,
        QWidget* parent = nullptr);
    int Run();
    QListWidget* List() const { return list_; }

private:
    void Sort(bool sorted);
    QListWidget* list_;
    std::vector<std::string> items_;
    int position_;
};

// One line of text with prompt and unit label.
class TDlg1Txt : public QDialog {
    Q_OBJECT

public:
    TDlg1Txt(const std::string& caption, const std::string& prompt, const std::string& unitLabel, int helpContext,
        int maxLength, const std::string& text, int position, QWidget* parent = nullptr);
    // True when the text, without trailing blanks, was changed.
    bool Run(std::string& text);

private:
    QLineEdit* edit_;
    int position_;
};

}
