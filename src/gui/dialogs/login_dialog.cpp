#include "gui/dialogs/login_dialog.h"

#include "app/settings.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace zam {

namespace {
    constexpr const char* kVersion = "4.01";

    QLabel* ProductBanner(QWidget* parent)
    {
        auto* banner = new QLabel(parent);
        banner->setText(ToQString(std::string("<div style='font-size:28pt; font-weight:bold;'>ZAM</div>"
                                              "<div>Analytische Qualitätssicherung</div><div>[")
            + kVersion + "]</div>"));
        banner->setAlignment(Qt::AlignCenter);
        banner->setMinimumHeight(140);
        QColor bg = ToQColor(Settings().Colour(4));
        QColor fg = ToQColor(Settings().Colour(5));
        banner->setStyleSheet(QStringLiteral("background:%1; color:%2; border-radius:4px;").arg(bg.name(), fg.name()));
        return banner;
    }

    // Upper case only, at most ten characters.
    class TUpperValidator : public QValidator {
    public:
        using QValidator::QValidator;
        State validate(QString& input, int&) const override
        {
            input = input.toUpper();
            return input.size() <= 10 ? Acceptable : Invalid;
        }
    };
}

TZAMTit::TZAMTit(QWidget* parent)
    : QDialog(parent)
    , names_(new QComboBox(this))
    , password_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("ZAM"));
    for (const auto& name : model_.Names())
        names_->addItem(ToQString(name));
    names_->setCurrentIndex(0);
    password_->setEchoMode(QLineEdit::Password);
    password_->setValidator(new TUpperValidator(password_));
    password_->setMaxLength(10);
    password_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QColor focus = ToQColor(Settings().Colour(12));
    setStyleSheet(QStringLiteral("QLineEdit:focus, QComboBox:focus { background: %1; }").arg(focus.name()));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TZAMTit::Submit);
    connect(names_, &QComboBox::activated, this, [this] { password_->setFocus(); });

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("Name :"), this), 0, 0);
    form->addWidget(names_, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("Passwort :"), this), 1, 0);
    form->addWidget(password_, 1, 1);
    form->addWidget(ok, 2, 1, Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProductBanner(this));
    layout->addLayout(form);
    resize(420, sizeHint().height());
    password_->setFocus();
}

void TZAMTit::Submit()
{
    std::string password = FromQString(password_->text());
    password_->clear();
    switch (model_.Submit(names_->currentIndex(), password)) {
    case TLoginModel::TResult::Accepted:
        accept();
        break;
    case TLoginModel::TResult::Cancelled:
        reject();
        break;
    case TLoginModel::TResult::Retry:
        password_->setFocus();
        break;
    }
}

bool Login(QWidget* parent)
{
    TZAMTit dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

TZAMAbout::TZAMAbout(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ZAM-Info"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProductBanner(this));
    auto* text = new QLabel(ToQString(std::string("ZAM, Version ") + kVersion
                                + "\nStatistik für Methodenvalidierung und Qualitätskontrolle im Labor"),
        this);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

void ShowAbout(QWidget* parent)
{
    TZAMAbout about(parent);
    about.exec();
}

}
