#pragma once

namespace zam::test {

// The one QApplication of the GUI tests (offscreen platform).
void EnsureQtApp();

// Runs fn once the next modal dialog is open (from the event loop).
template <typename Fn> void WhenDialogOpen(Fn fn);

}

#include <QApplication>
#include <QTimer>

template <typename Fn> void zam::test::WhenDialogOpen(Fn fn)
{
    QTimer::singleShot(0, qApp, fn);
}
