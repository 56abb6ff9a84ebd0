#include "gui/procedures/calibration_dialog.h"

#include "app/base_data.h"
#include "app/help_topics.h"
#include "app/settings.h"
#include "app/start_directory.h"
#include "app/user_dialogs.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "output/exchange_table.h"
#include "base/number_text.h"
#include "procedures/presets_entry.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zam {

namespace {
    QPushButton* Button(QWidget* parent, const char* caption, const char* hint = "")
    {
        auto* b = new QPushButton(ToQString(caption), parent);
        std::string h = hint;
        std::size_t bar = h.find('|');
        if (!h.empty()) {
            b->setToolTip(ToQString(h.substr(0, bar)));
            b->setStatusTip(ToQString(bar == std::string::npos ? h : h.substr(bar + 1)));
        }
        return b;
    }

    QComboBox* Combo(QWidget* parent, const std::vector<std::string>& items, int maxLength)
    {
        auto* c = new QComboBox(parent);
        c->setEditable(true);
        for (const auto& i : items)
            c->addItem(ToQString(i));
        c->setCurrentText(QString());
        c->lineEdit()->setMaxLength(maxLength);
        return c;
    }
}

TKalibDlg::TKalibDlg(QWidget* parent)
    : QDialog(parent)
    , title_(new QLineEdit(this))
    , grid_(new QTableWidget(60, 2, this))
    , importPanel_(new QGroupBox(ToQString(" Gesamt-Import aus "), this))
    , copyPanel_(new QWidget(this))
    , parameterPanel_(new QWidget(this))
{
}

QComboBox* TKalibDlg::Field(int slot) const { return slot >= 2 && slot <= 4 ? fields_[static_cast<std::size_t>(slot - 2)] : nullptr; }

bool TKalibDlg::Init(const std::string& fileName)
{
    if (!model_.Open(fileName))
        return false;
    setWindowTitle(ToQString(model_.Caption()));
    QColor focus = ToQColor(Settings().Colour(12));
    setStyleSheet(QStringLiteral("QLineEdit:focus, QComboBox:focus { background: %1; }").arg(focus.name()));
    title_->setMaxLength(50);
    title_->installEventFilter(this);
    fields_ = { Combo(this, model_.methods, 40), Combo(this, model_.parameters, 30), Combo(this, model_.measured, 30) };

    auto* head = new QGridLayout;
    const char* labels[] = { "Titel:", "Methode:", "Parameter (xi):", "Messwerte (yi):" };
    const char* pasteHints[] = { "Titel aus Zwischenablage kopieren|", "Methode aus Zwischenablage kopieren|",
        "Parameter aus Zwischenablage kopieren|", "Messwert aus Zwischenablage kopieren|" };
    for (int i = 0; i < 4; ++i) {
        head->addWidget(new QLabel(ToQString(labels[i]), this), i, 0);
        head->addWidget(i == 0 ? static_cast<QWidget*>(title_) : fields_[static_cast<std::size_t>(i - 1)], i, 1);
        QPushButton* paste = Button(this, "Zw", pasteHints[i]);
        paste->setFixedWidth(34);
        head->addWidget(paste, i, 2);
        connect(paste, &QPushButton::clicked, this, [this, i] {
            std::string text;
            if (!model_.PasteFirstCell(text))
                return;
            if (i == 0)
                title_->setText(ToQString(text));
            else
                fields_[static_cast<std::size_t>(i - 1)]->setCurrentText(ToQString(text));
        });
        if (i >= 2) {
            QPushButton* unit = Button(this, "[xx/xx]", i == 2 ? "Einheit Parameter ergänzen/ändern|" : "Einheit Messwerte ergänzen/ändern|");
            head->addWidget(unit, i, 3);
            connect(unit, &QPushButton::clicked, this, [this, i] {
                QComboBox* box = fields_[static_cast<std::size_t>(i - 1)];
                std::string text = FromQString(box->currentText());
                if (model_.ChooseUnitFor(text))
                    box->setCurrentText(ToQString(text));
            });
        }
    }

    grid_->setHorizontalHeaderLabels({ ToQString(" xi"), ToQString(" yi") });
    QStringList rows;
    for (int r = 1; r <= 60; ++r)
        rows << ToQString(model_.RowLabel(r));
    grid_->setVerticalHeaderLabels(rows);
    grid_->installEventFilter(this);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setStyleSheet(QStringLiteral("background:%1; color:%2;")
                             .arg(ToQColor(Settings().Colour(7)).name(), ToQColor(Settings().Colour(8)).name()));

    auto* side = new QVBoxLayout;
    QPushButton* pasteData = Button(this, "D&aten aus\nZwischenablage");
    QPushButton* cont = Button(this, "&xi  fortsetzen");
    QPushButton* up = Button(this, "Zeile nach &oben");
    QPushButton* down = Button(this, "Zeile nach &unten");
    QPushButton* sort = Button(this, "&Sortieren");
    for (QPushButton* b : { pasteData, cont, up, down, sort })
        side->addWidget(b);
    auto* importLayout = new QVBoxLayout(importPanel_);
    QPushButton* fromClip = Button(importPanel_, "&Zwischenablage");
    QPushButton* fromFile = Button(importPanel_, "&Datei");
    importLayout->addWidget(fromClip);
    importLayout->addWidget(fromFile);
    side->addWidget(importPanel_);
    side->addStretch(1);
    connect(pasteData, &QPushButton::clicked, this, [this] {
        ToModel();
        if (model_.PasteIntoGrid(std::max(grid_->currentColumn(), 0) + 1, std::max(grid_->currentRow(), 0) + 1))
            FromModel();
    });
    connect(cont, &QPushButton::clicked, this, [this] {
        ToModel();
        int row = grid_->currentRow() + 1;
        if (grid_->currentColumn() == 0 && model_.ContinueX(row)) {
            FromModel();
            if (row < 60)
                grid_->setCurrentCell(row, 0);
        } else if (grid_->currentColumn() != 0) {
            Beep();
        }
    });
    auto move = [this](int delta) {
        ToModel();
        int row = grid_->currentRow() + 1;
        if (model_.MoveRow(row, delta)) {
            FromModel();
            grid_->setCurrentCell(row - 1 + delta, grid_->currentColumn());
        }
    };
    connect(up, &QPushButton::clicked, this, [move] { move(-1); });
    connect(down, &QPushButton::clicked, this, [move] { move(1); });
    connect(sort, &QPushButton::clicked, this, [this] {
        ToModel();
        model_.SortByX();
        FromModel();
    });
    connect(fromClip, &QPushButton::clicked, this, [this] {
        TXTab table;
        if (!table.LoadClipboard()) {
            ShowError(kClipboardError);
            return;
        }
        ToModel();
        model_.Import(table);
        FromModel();
    });
    connect(fromFile, &QPushButton::clicked, this, [this] {
        auto file = ChooseFile("Import-Datei(*.csv oder *.dif) auswählen", StartX().importDir, "", "RCE",
            "csv/dif-Datei(*.csv/\\*.dif)|*.csv;*.dif");
        if (!file)
            return;
        TXTab table;
        if (!table.LoadFile(*file, BaseData().csvSeparator, true)) {
            ShowError("Datei " + *file + " kann nicht gelesen werden!");
            return;
        }
        ToModel();
        model_.Import(table);
        FromModel();
    });

    auto* copyLayout = new QHBoxLayout(copyPanel_);
    QPushButton* copyHead = Button(copyPanel_, "&Kopfdaten übernehmen von  . . . . . . . .");
    copyLayout->addWidget(copyHead);
    connect(copyHead, &QPushButton::clicked, this, [this] {
        auto file = ChooseDataFile("Kalibrierungsdatei für Übernahme der Kopfdaten auswählen", StartX().dataDir,
            "*.klb", "Kalibrierung (*.klb)|*.klb", 700);
        ToModel();
        if (file && model_.CopyHeaderFrom(*file))
            FromModel();
    });
    auto* parameterLayout = new QHBoxLayout(parameterPanel_);
    QPushButton* params = Button(parameterPanel_, "&Individuelle Parametereinstellungen");
    parameterLayout->addWidget(params);
    connect(params, &QPushButton::clicked, this, [this] {
        std::array<std::string, 18> p = model_.ParameterPresets();
        if (EditPresets(p, "0102040506", "Individuelle Parameter-Einstellungen", this))
            model_.TakeParameters(p);
    });
    parameterPanel_->setVisible(CurrentUser().rights < 2);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(false);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(ToQString("&Hilfe"), QDialogButtonBox::HelpRole);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(110); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TKalibDlg::OkClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* body = new QHBoxLayout;
    body->addWidget(grid_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(body, 1);
    layout->addWidget(copyPanel_);
    layout->addWidget(parameterPanel_);
    layout->addWidget(buttons);
    if (model_.existingFile) {
        importPanel_->hide();
        copyPanel_->hide();
    }
    FromModel();
    resize(520, 720);
    return true;
}

void TKalibDlg::ToModel()
{
    model_.headSlots[1] = FromQString(title_->text());
    for (int s = 2; s <= 4; ++s)
        model_.headSlots[static_cast<std::size_t>(s)] = FromQString(Field(s)->currentText());
    for (int r = 0; r < 60; ++r)
        for (int c = 0; c < 2; ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            model_.grid.SetCell(c + 1, r + 1, item != nullptr ? FromQString(item->text()) : std::string());
        }
}

void TKalibDlg::FromModel()
{
    title_->setText(ToQString(model_.headSlots[1]));
    for (int s = 2; s <= 4; ++s)
        Field(s)->setCurrentText(ToQString(model_.headSlots[static_cast<std::size_t>(s)]));
    for (int r = 0; r < 60; ++r)
        for (int c = 0; c < 2; ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                grid_->setItem(r, c, item);
            }
            item->setText(ToQString(model_.grid.Cell(c + 1, r + 1)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
}

void TKalibDlg::OkClicked()
{
    ToModel();
    switch (model_.Ok()) {
    case TKalibEntry::TOkResult::Saved:
        accept();
        break;
    case TKalibEntry::TOkResult::Cancelled:
        reject();
        break;
    case TKalibEntry::TOkResult::StayOpen:
        FromModel();
        if (model_.badRow > 0)
            grid_->setCurrentCell(model_.badRow - 1, model_.badCol - 1);
        break;
    }
}

bool TKalibDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        if (watched == grid_) {
            ToModel();
            if (model_.PasteIntoGrid(std::max(grid_->currentColumn(), 0) + 1, std::max(grid_->currentRow(), 0) + 1))
                FromModel();
            return true;
        }
        if (watched == title_) {
            std::string text;
            if (model_.PasteFirstCell(text))
                title_->setText(ToQString(text));
            return true;
        }
    }
    if (watched == grid_ && key->key() == Qt::Key_Delete) {
        for (QTableWidgetItem* item : grid_->selectedItems())
            item->setText(QString());
        return true;
    }
    if (watched == grid_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        int row = grid_->currentRow();
        int col = grid_->currentColumn();
        if (col == 0)
            grid_->setCurrentCell(row, 1);
        else if (row < 59)
            grid_->setCurrentCell(row + 1, 0);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool EditPresets(std::array<std::string, 18>& presets, const std::string& items, const std::string& caption,
    QWidget* parent)
{
    TPresetsEntry model(presets, items);
    QDialog dlg(parent);
    dlg.setWindowTitle(ToQString(caption));
    auto* form = new QFormLayout;
    std::vector<QLineEdit*> edits;
    for (int index : model.indices) {
        auto* edit = new QLineEdit(ToQString(model.values[static_cast<std::size_t>(index)]), &dlg);
        edit->setMaxLength(12);
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(new QLabel(model.Percent(index) ? QStringLiteral("%") : QString(), &dlg));
        form->addRow(ToQString(model.Label(index)), row);
        edits.push_back(edit);
    }
    // the option panel of the presets editor
    std::vector<std::pair<int, QCheckBox*>> checks;
    QComboBox* separator = nullptr;
    QButtonGroup* target = nullptr;
    QSpinBox* interval = nullptr;
    auto* options = new QGroupBox(&dlg);
    if (model.optionPanel) {
        auto* ol = new QVBoxLayout(options);
        for (int k = 10; k <= 14; ++k) {
            auto* box = new QCheckBox(ToQString(PresetLabel(k)), options);
            box->setChecked(model.values[static_cast<std::size_t>(k)] == "X");
            ol->addWidget(box);
            checks.emplace_back(k, box);
        }
        auto* sepRow = new QHBoxLayout;
        sepRow->addWidget(new QLabel(ToQString(PresetLabel(15)), options));
        separator = new QComboBox(options);
        separator->addItems({ QStringLiteral(";"), QStringLiteral(",") });
        separator->setCurrentIndex(model.values[15] == "," ? 1 : 0);
        sepRow->addWidget(separator);
        ol->addLayout(sepRow);
        auto* group = new QGroupBox(ToQString(PresetLabel(16)), options);
        auto* gl = new QVBoxLayout(group);
        target = new QButtonGroup(group);
        const char* targets[] = { " wahlweise in Zwischenablage oder Datei", " immer in Zwischenablage erzeugen",
            " immer in (dif- oder csv-) Datei erzeugen" };
        int current = std::clamp(ParseInteger(model.values[16]), 0, 2);
        for (int i = 0; i < 3; ++i) {
            auto* radio = new QRadioButton(ToQString(targets[i]), group);
            target->addButton(radio, i);
            radio->setChecked(i == current);
            gl->addWidget(radio);
        }
        ol->addWidget(group);
        auto* intRow = new QHBoxLayout;
        intRow->addWidget(new QLabel(ToQString(PresetLabel(17)), options));
        interval = new QSpinBox(options);
        interval->setRange(5, 120);
        int stored = ParseInteger(model.values[17]);
        interval->setValue(stored > 0 ? std::clamp(stored, 5, 120) : 60);
        intRow->addWidget(interval);
        ol->addLayout(intRow);
    } else {
        options->hide();
    }
    auto* buttons = new QDialogButtonBox(&dlg);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(ToQString("&Hilfe"), QDialogButtonBox::HelpRole);
    int context = model.HelpContext();
    QObject::connect(help, &QPushButton::clicked, &dlg, [context] { ShowHelp(context); });
    bool changed = false;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, [&] {
        for (std::size_t i = 0; i < edits.size(); ++i)
            model.values[static_cast<std::size_t>(model.indices[i])] = FromQString(edits[i]->text());
        for (auto& [k, box] : checks)
            model.values[static_cast<std::size_t>(k)] = box->isChecked() ? "X" : "";
        if (separator != nullptr) {
            model.values[15] = separator->currentIndex() == 1 ? "," : ";";
            // an empty export target means 0 and stays empty when 0 is kept
            if (!(target->checkedId() == 0 && presets[16].empty()))
                model.values[16] = std::to_string(target->checkedId());
            model.values[17] = std::to_string(interval->value());
        }
        int bad = -1;
        if (!model.Accept(bad, changed)) {
            for (std::size_t i = 0; i < edits.size(); ++i)
                if (model.indices[i] == bad)
                    edits[i]->setFocus();
            return;
        }
        if (changed)
            dlg.accept();
        else
            dlg.reject();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dlg);
    layout->addLayout(form);
    layout->addWidget(options);
    layout->addWidget(buttons);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    presets = model.values;
    return true;
}

bool RunCalibrationEntry(std::string& fileName)
{
    TKalibDlg dlg(QApplication::activeWindow());
    if (!dlg.Init(fileName))
        return false;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    fileName = dlg.Model().fileName;
    return true;
}

}
