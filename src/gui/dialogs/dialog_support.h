#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QString>

#include <string>

namespace zam {

// Message text with its "\r" and "\r\n" breaks, for a Qt label.
QString MessageText(const std::string& text);

// Places the dialog by its position code once it knows its size; where the
// window system refuses placement the dialog opens wherever it puts it.
void PlaceDialog(QDialog& dialog, int position);

// A "&Hilfe" button that shows the context's topic; none without a context.
void AddHelpButton(QDialogButtonBox& box, int helpContext, int position);

// "short|long" hints: tooltip and status tip.
void SetHint(QWidget& widget, const std::string& hint);

}
