#pragma once

#include "app/help_topics.h"

#include <QPointer>
#include <QWidget>

class QTextBrowser;
class QTabWidget;
class QListWidget;

namespace zam {

// The help window: the topic pages of the help folder with a contents and an
// index tab.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(const std::string& folder);
    void ShowPage(const std::string& file);
    void ShowContentsTab();
    void ShowIndexTab();
    QTextBrowser* Browser() const { return browser_; }

private:
    std::string folder_;
    QTabWidget* tabs_;
    QListWidget* index_;
    QTextBrowser* browser_;
};

class TQtHelpViewer : public THelpViewer {
public:
    void ShowPage(const std::string& file) override;
    void ShowContents(const std::string& folder) override;
    void ShowIndex(const std::string& folder) override;
    void CloseAll() override;
    THelpWindow* Window() const { return window_; }

private:
    THelpWindow& Open(const std::string& folder);
    QPointer<THelpWindow> window_;
};

}
