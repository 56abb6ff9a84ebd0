#pragma once

#include <QWidget>

#include <string>

namespace zam {

// The graphics window: the picture description rendered at the window's size.
class TGrfForm : public QWidget {
    Q_OBJECT

public:
    explicit TGrfForm(QWidget* parent = nullptr);
    void Reset();
    void ShowGraphic();
    bool HasContent() const { return content_; }
    // PNG or PDF by the extension; the black-and-white and width options of
    // the graphics settings apply.
    bool SaveGraphic(const std::string& fileName) const;
    QImage Render(int width, int height, bool monochrome) const;
    // On the printer, with the orientation and black-and-white options of the
    // graphics settings and, when asked for there, the print dialog first.
    bool PrintGraphic();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool content_ = false;
};

// Asks for the view of the requested plot and fills the picture; false when
// nothing is to be shown.
bool RunPlotRequest(int clientWidth);

}
