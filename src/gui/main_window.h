#pragma once

#include <QMainWindow>

#include <map>
#include <string>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolButton;
class QWidget;

namespace zam {

struct TMenuItem;
class TGrfForm;
class TTabForm;

// The program's frame window: menus, tool panel, the table and graphics
// windows as children, command routing.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;
    // The logged-in user in the status bar, menus by the rights level.
    void ShowUser();
    void SetCaption(const std::string& shortName);
    void ShowButtons(const std::string& flags);
    void HideResultButtons();
    void ResetOutput();
    void SetExportCaptions();
    // Runs a command code as its menu item or tool button would.
    void RunCommand(int code);
    TTabForm* TableWindow() const { return table_; }
    TGrfForm* GraphicsWindow() const { return graphic_; }
    QAction* Action(const std::string& name) const;
    QToolButton* Button(const std::string& name) const;
    // No "Beenden?" question (tests, end after a cancelled login).
    bool askOnClose = true;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu(QWidget* parent, const TMenuItem& item);
    void BuildTools();
    void Handle(const TMenuItem& item);
    void NotYet(const std::string& what);
    QMdiArea* area_;
    TTabForm* table_;
    TGrfForm* graphic_;
    QMdiSubWindow* tableWindow_;
    QMdiSubWindow* graphicsWindow_;
    QWidget* toolPanel_;
    QLabel* user_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QToolButton*> buttons_;
    int correctionTag_ = 1;
};

}
