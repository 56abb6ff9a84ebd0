#pragma once

#include "procedures/calibration_entry.h"

#include <QDialog>

#include <array>
#include <string>

class QComboBox;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace zam {

// The calibration entry dialog on its model.
class TKalibDlg : public QDialog {
    Q_OBJECT

public:
    explicit TKalibDlg(QWidget* parent = nullptr);
    // Initialises with a file (empty for new); false when it cannot be used.
    bool Init(const std::string& fileName);
    TKalibEntry& Model() { return model_; }
    QTableWidget* Grid() const { return grid_; }
    QLineEdit* Title() const { return title_; }
    QComboBox* Field(int slot) const;
    // OK as the button does it.
    void OkClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ToModel();
    void FromModel();
    TKalibEntry model_;
    QLineEdit* title_;
    std::array<QComboBox*, 3> fields_ {};
    QTableWidget* grid_;
    QWidget* importPanel_;
    QWidget* copyPanel_;
    QWidget* parameterPanel_;
};

// The presets dialog on a presets copy; true when something was changed.
bool EditPresets(std::array<std::string, 18>& presets, const std::string& items, const std::string& caption,
    QWidget* parent = nullptr);

// The entry function of the calibration for the dispatcher.
bool RunCalibrationEntry(std::string& fileName);

}
