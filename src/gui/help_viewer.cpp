#include "gui/help_viewer.h"

#include "base/file_names.h"
#include "gui/qt_text.h"

#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>

namespace zam {

THelpWindow::THelpWindow(const std::string& folder)
    : folder_(folder)
    , tabs_(new QTabWidget(this))
    , index_(new QListWidget(this))
    , browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("ZAM-Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);
    QDir html(ToQString(JoinPath(folder, "html")));
    browser_->setSearchPaths({ html.absolutePath() });
    auto* contents = new QTextBrowser(this);
    contents->setOpenLinks(false);
    contents->setSource(QUrl::fromLocalFile(html.absoluteFilePath(QStringLiteral("index.htm"))));
    connect(contents, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { browser_->setSource(url); });
    tabs_->addTab(contents, QStringLiteral("Inhalt"));
    // the index: every topic page by its title
    for (const QString& file : html.entryList({ QStringLiteral("*.htm") }, QDir::Files, QDir::Name)) {
        QFile f(html.absoluteFilePath(file));
        QString title = file;
        if (f.open(QIODevice::ReadOnly)) {
            QRegularExpressionMatch m = QRegularExpression(QStringLiteral("<title>(.*)</title>")).match(QString::fromUtf8(f.readAll()));
            if (m.hasMatch())
                title = m.captured(1);
        }
        auto* item = new QListWidgetItem(title, index_);
        item->setData(Qt::UserRole, html.absoluteFilePath(file));
    }
    index_->sortItems();
    connect(index_, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { browser_->setSource(QUrl::fromLocalFile(item->data(Qt::UserRole).toString())); });
    connect(index_, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { browser_->setSource(QUrl::fromLocalFile(item->data(Qt::UserRole).toString())); });
    tabs_->addTab(index_, QStringLiteral("Index"));
    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    browser_->setSource(QUrl::fromLocalFile(html.absoluteFilePath(QStringLiteral("index.htm"))));
    resize(900, 600);
}

void THelpWindow::ShowPage(const std::string& file) { browser_->setSource(QUrl::fromLocalFile(ToQString(file))); }

void THelpWindow::ShowContentsTab() { tabs_->setCurrentIndex(0); }

void THelpWindow::ShowIndexTab() { tabs_->setCurrentIndex(1); }

THelpWindow& TQtHelpViewer::Open(const std::string& folder)
{
    if (!window_)
        window_ = new THelpWindow(folder);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return *window_;
}

void TQtHelpViewer::ShowPage(const std::string& file) { Open(DirectoryPart(DirectoryPart(file))).ShowPage(file); }

void TQtHelpViewer::ShowContents(const std::string& folder) { Open(folder).ShowContentsTab(); }

void TQtHelpViewer::ShowIndex(const std::string& folder) { Open(folder).ShowIndexTab(); }

void TQtHelpViewer::CloseAll()
{
    if (window_)
        window_->close();
}

}
