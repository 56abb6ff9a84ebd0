#include "gui/qt_clipboard.h"

#include "gui/qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace zam {

bool TQtClipboard::HasText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

std::string TQtClipboard::GetText() const { return FromQString(QGuiApplication::clipboard()->text()); }

void TQtClipboard::SetText(const std::string& text) { QGuiApplication::clipboard()->setText(ToQString(text)); }

}
