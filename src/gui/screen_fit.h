#pragma once
// Windows that open inside the screen's free area, whatever its size, and remember where
// the user last put them.
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace quillon::gui {

// The client rectangle of a window that wants `wanted` (never less than `minimum`),
// within `available` once its frame is added, centred on `centre`.
QRect FittedGeometry(QSize wanted, QSize minimum, const QRect& available, const QMargins& frame,
                     QPoint centre);

// Gives the top-level `window` the size it wants, as far as the screen's free area allows,
// centred on `over` (a window it belongs to) or else on the screen.
void FitOnScreen(QWidget* window, QSize wanted, const QWidget* over = nullptr);

// Places the window where it was when the program last closed, as long as that still
// lies on a screen; false when nothing is remembered. `file` is the window-places file.
bool RestorePlace(QWidget* window, const QString& file, const QString& key);
// Remembers where the window is and how large.
void RememberPlace(const QWidget* window, const QString& file, const QString& key);

}  // namespace quillon::gui
