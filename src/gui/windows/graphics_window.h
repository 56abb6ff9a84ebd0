#pragma once

#include <QWidget>

class QScrollArea;

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

    // The smallest picture; a smaller window scrolls over it.
    static constexpr int kMinWidth = 640;
    static constexpr int kMinHeight = 480;
    QWidget* Canvas() const { return canvas_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool content_ = false;
    QScrollArea* area_;
    QWidget* canvas_;
};

// Asks for the view of the requested plot and fills the picture; false when
// nothing is to be shown.
bool RunPlotRequest(int clientWidth);

}
