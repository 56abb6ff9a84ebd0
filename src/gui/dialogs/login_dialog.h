#pragma once

#include "app/login.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace zam {

// The title dialog: name from the persons, password, eight tries.
class TZAMTit : public QDialog {
    Q_OBJECT

public:
    explicit TZAMTit(QWidget* parent = nullptr);
    QComboBox* Names() const { return names_; }
    QLineEdit* Password() const { return password_; }

private:
    void Submit();
    TLoginModel model_;
    QComboBox* names_;
    QLineEdit* password_;
};

// Runs the title dialog; true when a person logged in.
bool Login(QWidget* parent = nullptr);

// The about box "ZAM-Info".
class TZAMAbout : public QDialog {
    Q_OBJECT

public:
    explicit TZAMAbout(QWidget* parent = nullptr);
};
void ShowAbout(QWidget* parent = nullptr);

}
