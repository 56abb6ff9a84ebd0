#include "gui/main_window.h"

#include "app/base_data.h"
#include "app/help_topics.h"
#include "app/main_menu.h"
#include "app/settings.h"
#include "app/start_directory.h"
#include "app/user_dialogs.h"
#include "base/text_utils.h"
#include "gui/dialogs/login_dialog.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "gui/printing.h"
#include "gui/windows/graphics_window.h"
#include "output/print_manager.h"
#include "output/table_page.h"
#include "gui/windows/table_window.h"
#include "output/plot_request.h"
#include "output/result_tables.h"
#include "procedures/procedure_dispatch.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace zam {

namespace {
    struct TToolDef {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
    };
    const TToolDef kTools[] = {
        { "PerZBtn", "Eine Periode/Anzeige zurück|", QStyle::SP_ArrowBack },
        { "PerVBtn", "Eine Periode/Anzeige vor|", QStyle::SP_ArrowForward },
        { "ChPBtn", "Neue Periode auswählen|", QStyle::SP_FileDialogDetailedView },
        { "ChLBtn", "Kontrollgrenzen  überprüfen|", QStyle::SP_DialogApplyButton },
        { "VlEBtn", "Vorperiode abschließen|", QStyle::SP_DialogSaveButton },
        { "ChStatBtn", "Intervallstatistik| ", QStyle::SP_FileDialogInfoView },
        { "UBtn", "Umschalten Graphik - Tabelle|", QStyle::SP_BrowserReload },
        { "CorrBtn", "Datenkorrektur / Dateneingabe| ", QStyle::SP_FileDialogContentsView },
        { "EdiBtn", "Graphik editieren|", QStyle::SP_DesktopIcon },
        { "PltBtn", "Graphik|", QStyle::SP_ComputerIcon },
        { "PrBtn", "Drucken|", QStyle::SP_DriveFDIcon },
        { "FFBtn", "Blattvorschub|", QStyle::SP_ArrowDown },
        { "SavBtn", "Kopie auf Platte|", QStyle::SP_DialogSaveButton },
        { "XPGesBtn", "Alle Ausgabeseiten nach Zwischenablage oder Datei exportieren|", QStyle::SP_DirLinkIcon },
        { "SortDaysBtn", "Neu sortieren Dateiname <-> Tage seit letzter AKS|", QStyle::SP_ArrowUp },
    };
    constexpr int kButtonWidth = 30;

    QString StatusText(const std::string& hint) { return ToQString(HintStatus(hint)); }
}

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
    , area_(new QMdiArea(this))
    , table_(new TTabForm)
    , graphic_(new TGrfForm)
    , toolPanel_(new QWidget(this))
    , user_(new QLabel(this))
{
    setWindowTitle(ToQString("ZAM"));
    setMinimumSize(500, 350);
    setCentralWidget(area_);
    area_->setBackground(ToQColor(Settings().Colour(1)));
    for (const TMenuItem& top : MainMenu())
        BuildMenu(menuBar(), top);
    BuildTools();
    tableWindow_ = area_->addSubWindow(table_);
    tableWindow_->setWindowTitle(QStringLiteral("Tabellen"));
    graphicsWindow_ = area_->addSubWindow(graphic_);
    graphicsWindow_->setWindowTitle(QStringLiteral("Graphik"));
    for (QMdiSubWindow* w : { tableWindow_, graphicsWindow_ })
        w->setWindowFlags(w->windowFlags() & ~Qt::WindowCloseButtonHint);
    statusBar()->addPermanentWidget(user_);
    statusBar()->setStyleSheet(QStringLiteral("color: blue;"));
    connect(table_, &TTabForm::ButtonsRequested, this, [this](const QString& flags) { ShowButtons(FromQString(flags)); });
    connect(table_, &TTabForm::ChartRequested, this, [this](const std::string&) { NotYet("Die Anzeige von Kontrollkarten"); });
    // the tool buttons follow the active child window
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w == tableWindow_ && table_->HasContent()) {
            std::string flags = table_->ResultFlags();
            if (graphic_->HasContent() && flags.size() >= 3)
                flags[2] = '1';
            ShowButtons(flags);
        }
    });
    SetExportCaptions();
    ResetOutput();
    resize(1100, 760);
}

void TMainForm::BuildMenu(QWidget* parent, const TMenuItem& item)
{
    auto add = [&](QAction* a) {
        if (auto* bar = qobject_cast<QMenuBar*>(parent))
            bar->addAction(a);
        else
            qobject_cast<QMenu*>(parent)->addAction(a);
    };
    if (item.caption == "-") {
        auto* sep = new QAction(parent);
        sep->setSeparator(true);
        add(sep);
        actions_[item.name] = sep;
        return;
    }
    if (item.handler == TMenuHandler::Submenu) {
        auto* menu = new QMenu(ToQString(item.caption), parent);
        menu->setStatusTip(StatusText(item.hint));
        for (const auto& child : item.items)
            BuildMenu(menu, child);
        add(menu->menuAction());
        actions_[item.name] = menu->menuAction();
        return;
    }
    auto* action = new QAction(ToQString(item.caption), parent);
    action->setStatusTip(StatusText(item.hint));
    action->setData(item.tag);
    if (item.name == "MExit")
        action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    connect(action, &QAction::triggered, this, [this, &item] { Handle(item); });
    add(action);
    actions_[item.name] = action;
}

void TMainForm::BuildTools()
{
    auto* bar = addToolBar(QStringLiteral("PB"));
    bar->setMovable(false);
    auto* help = new QToolButton(bar);
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    help->setToolTip(QStringLiteral("Hilfe"));
    connect(help, &QToolButton::clicked, this, [this] {
        int context = 5;
        if (area_->activeSubWindow() == tableWindow_ && !tableWindow_->isMinimized())
            context = table_->HelpContext();
        else if (area_->activeSubWindow() == graphicsWindow_)
            context = 200000;
        ShowHelp(context);
    });
    auto* exit = new QToolButton(bar);
    exit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exit->setToolTip(ToQString("ZAM beenden"));
    connect(exit, &QToolButton::clicked, this, &QWidget::close);
    bar->addWidget(help);
    bar->addWidget(exit);
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    toolPanel_->setFixedHeight(kButtonWidth + 4);
    bar->addWidget(toolPanel_);
    for (const TToolDef& t : kTools) {
        auto* b = new QToolButton(toolPanel_);
        b->setAutoRaise(true);
        b->setFixedSize(kButtonWidth, kButtonWidth);
        b->setIcon(style()->standardIcon(t.icon));
        b->setToolTip(ToQString(HintPopup(t.hint)));
        b->setStatusTip(StatusText(t.hint));
        b->hide();
        buttons_[t.name] = b;
    }
    auto route = [this](const char* name, const char* menu) {
        connect(buttons_[name], &QToolButton::clicked, this, [this, menu] { actions_[menu]->trigger(); });
    };
    route("PrBtn", "MPrint");
    route("FFBtn", "MFF");
    route("SavBtn", "MDC");
    route("XPGesBtn", "MXPGes");
    route("SortDaysBtn", "MSortDays");
    route("CorrBtn", "MACorr");
    route("PltBtn", "MGraf");
    route("EdiBtn", "MEdGrf");
    route("ChStatBtn", "MCHStat");
    route("VlEBtn", "MAVlE");
    route("ChLBtn", "MACHL");
    route("ChPBtn", "MACHP");
    connect(buttons_["UBtn"], &QToolButton::clicked, this, [this] {
        QMdiSubWindow* other = area_->activeSubWindow() == tableWindow_ ? graphicsWindow_ : tableWindow_;
        other->showMaximized();
        area_->setActiveSubWindow(other);
    });
    for (const char* period : { "PerZBtn", "PerVBtn" })
        connect(buttons_[period], &QToolButton::clicked, this, [this] { NotYet("Kontrollkarten"); });
}

TMainForm::~TMainForm()
{
    // the children go after this object; their last signals must not reach it
    area_->disconnect(this);
    table_->disconnect(this);
}

QAction* TMainForm::Action(const std::string& name) const
{
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QToolButton* TMainForm::Button(const std::string& name) const
{
    auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

void TMainForm::NotYet(const std::string& what)
{
    ShowInfo(what + " ist in dieser Version noch nicht verfügbar.");
}

void TMainForm::SetCaption(const std::string& shortName)
{
    setWindowTitle(ToQString(shortName.empty() ? std::string("ZAM") : "ZAM - " + shortName));
}

void TMainForm::ShowUser()
{
    user_->setText(ToQString(CurrentUser().name + " "));
    for (auto& [name, action] : actions_)
        action->setVisible(MenuItemAllowed(name, CurrentUser().rights));
    HideResultButtons();
}

void TMainForm::SetExportCaptions()
{
    TExportCaptions c = ExportCaptions(BaseData().exportTarget);
    buttons_["XPGesBtn"]->setToolTip(ToQString(HintPopup(c.buttonHint)));
    actions_["MXPGes"]->setText(ToQString(c.menuCaption));
    actions_["MXPGes"]->setStatusTip(ToQString(c.menuHint));
}

void TMainForm::ShowButtons(const std::string& flags)
{
    static const char* const resultItems[] = { "MGraf", "MEdGrf", "N14", "N16", "MACorr", "MAVlE", "MACHL", "MACHP",
        "MCHStat", "MSortDays", "MXPGes" };
    for (auto& [name, b] : buttons_)
        b->hide();
    for (const char* m : resultItems)
        actions_[m]->setVisible(false);
    bool graphicsActive = area_->activeSubWindow() == graphicsWindow_;
    TToolLayout layout = ShowButtonsLayout(flags, TableManager().CommandCode, !graphicsActive, graphicsActive, kButtonWidth);
    toolPanel_->setFixedWidth(layout.panelWidth);
    for (const auto& b : layout.buttons) {
        buttons_[b.name]->move(b.x, 2);
        buttons_[b.name]->show();
    }
    for (const auto& m : layout.menuItems)
        actions_[m]->setVisible(MenuItemAllowed(m, CurrentUser().rights));
    correctionTag_ = layout.correctionTag;
    buttons_["PrBtn"]->setEnabled(layout.printEnabled);
    actions_["MPrint"]->setEnabled(layout.printEnabled);
    buttons_["SavBtn"]->setEnabled(layout.saveEnabled);
    actions_["MDC"]->setEnabled(layout.saveEnabled);
    buttons_["XPGesBtn"]->setEnabled(layout.exportEnabled);
    actions_["MXPGes"]->setEnabled(layout.exportEnabled);
    toolPanel_->show();
}

void TMainForm::HideResultButtons()
{
    toolPanel_->hide();
    actions_["MPrint"]->setEnabled(false);
    actions_["MDC"]->setEnabled(false);
    actions_["MXPGes"]->setEnabled(false);
    for (const char* m : { "N14", "MACorr", "N16", "MGraf", "MEdGrf", "MSortDays", "MAVlE", "MACHL", "MACHP", "MCHStat" })
        actions_[m]->setVisible(false);
}

void TMainForm::ResetOutput()
{
    table_->Reset();
    graphic_->Reset();
    HideResultButtons();
    PlotRequest().Clear();
    TableManager().ClearPages();
    tableWindow_->showMinimized();
    graphicsWindow_->showMinimized();
}

void TMainForm::RunCommand(int code)
{
    TDispatchState& state = DispatchState();
    int previous = state.commandCode;
    state.commandCode = code;
    if (!TInProcX::Run()) {
        state.commandCode = previous;
        return;
    }
    SetCaption(state.displayName);
    TableManager().CommandCode = code;
    tableWindow_->showMaximized();
    area_->setActiveSubWindow(tableWindow_);
    table_->Rebuild();
}

void TMainForm::Handle(const TMenuItem& item)
{
    // nothing but the export, re-sorting and interval statistics runs while
    // the print buffer is printed
    bool idleFree = item.handler == TMenuHandler::TotalExport || item.handler == TMenuHandler::SortDays
        || item.name == "MCHStat";
    if (PrintManager().busy && !idleFree)
        return;
    switch (item.handler) {
    case TMenuHandler::Procedure:
        RunCommand(item.tag);
        break;
    case TMenuHandler::Correction:
        if (correctionTag_ < 2 && TableManager().CommandCode > 0)
            RunCommand(TableManager().CommandCode / 10 * 10 + 1);
        else
            NotYet("Die Korrektur von Kontrollkarten");
        break;
    case TMenuHandler::TotalExport:
        TInProcX::TotalExport();
        break;
    case TMenuHandler::ChangeUser:
        ResetOutput();
        if (!Login(this)) {
            askOnClose = false;
            close();
            return;
        }
        ShowUser();
        BaseData().LoadSignRecord();
        break;
    case TMenuHandler::Graphic:
        if (RunPlotRequest(area_->width())) {
            graphic_->ShowGraphic();
            graphicsWindow_->showMaximized();
            area_->setActiveSubWindow(graphicsWindow_);
            std::string flags = table_->ResultFlags();
            flags.resize(std::max<std::size_t>(flags.size(), 3), '0');
            flags[2] = '1';
            ShowButtons(flags);
        }
        break;
    case TMenuHandler::Print:
        if (area_->activeSubWindow() == graphicsWindow_ && graphic_->HasContent())
            graphic_->PrintGraphic();
        else if (const TSTab* t = TableManager().Table(table_->ShownPage() + 1))
            PrintManager().PrintPage(BuildTablePage(*t), true);
        break;
    case TMenuHandler::SortDays:
        table_->SortReport();
        break;
    case TMenuHandler::FormFeed:
        PrintManager().FormFeed();
        break;
    case TMenuHandler::PrinterSetup:
        PrinterSetup(this);
        break;
    case TMenuHandler::SaveCopy:
        if (area_->activeSubWindow() == graphicsWindow_ && graphic_->HasContent()) {
            auto file = ChooseFile("Graphik speichern", StartX().copyDir, "graphik.png", "SAU",
                "PNG-Bild (*.png)|*.png|SVG-Graphik (*.svg)|*.svg|PDF-Dokument (*.pdf)|*.pdf");
            if (file && !graphic_->SaveGraphic(*file))
                ShowError(*file + ": Schreibfehler!");
        } else if (const TSTab* t = TableManager().Table(table_->ShownPage() + 1)) {
            PrintManager().PrintPage(BuildTablePage(*t), false);
        }
        break;
    case TMenuHandler::Exit:
        close();
        break;
    case TMenuHandler::Help:
        if (item.tag == 910)
            ShowHelpIndex();
        else
            ShowAbout(this);
        break;
    case TMenuHandler::TileHorizontal:
    case TMenuHandler::TileVertical:
    case TMenuHandler::ArrangeIcons:
        area_->tileSubWindows();
        break;
    case TMenuHandler::Cascade:
        area_->cascadeSubWindows();
        break;
    case TMenuHandler::MinimizeAll:
        for (QMdiSubWindow* w : area_->subWindowList())
            w->showMinimized();
        break;
    default: {
        std::string caption = item.caption;
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        NotYet("\"" + caption + "\"");
    }
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (askOnClose && AskYesNo("Beenden?") == kResNo) {
        event->ignore();
        return;
    }
    if (!PrintManager().BufferEmpty()
        && AskYesNo("Druckerpuffer ist nicht leer!\r\n\r\n   Ausdrucken?") == kResYes)
        PrintManager().FlushIfAny();
    PrintManager().ReleaseJobs();
    CloseHelp();
    event->accept();
}

}
