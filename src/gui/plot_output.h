#pragma once

#include "output/picture.h"

#include <string>

class QPaintDevice;
class QPainter;

namespace zam {

// A QGuiApplication for painting without a window (zam-cli); nothing when
// the program has one already.
void EnsurePaintApplication();

// The printing path of a graphic: the printable area is the page less a
// tenth, the line unit grows with the page so that the graphic looks like
// the screen graphic with thicker lines; landscape when asked.
void RenderToPage(const TPic& pic, QPaintDevice& device, int pictureWidth, int pictureHeight, bool monochrome,
    bool landscape);
void RenderToPage(const TPic& pic, QPainter& painter, int pageWidth, int pageHeight, int pictureWidth,
    int pictureHeight, bool monochrome, bool landscape);

// PNG, SVG or PDF by the file name's extension; false when it could not be written.
bool SavePicture(const TPic& pic, const std::string& fileName, int width, int height, bool monochrome);

// The title of a graphics print job: "GR_", three base-36 digits of the time, "01".
std::string GraphicJobTitle(int hours, int minutes, int seconds);

}
