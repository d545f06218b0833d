#include "gui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace quillon::gui {
namespace {

// A title bar and borders, until the window manager says what they are.
constexpr QMargins kLikelyFrame(4, 32, 4, 4);

QMargins FrameOf(const QWidget* window) {
  if (!window->isVisible()) return kLikelyFrame;
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  return frame.isNull() ? kLikelyFrame : frame;
}

}  // namespace

QRect FittedGeometry(QSize wanted, QSize minimum, const QRect& available, const QMargins& frame,
                     QPoint centre) {
  const QSize room(available.width() - frame.left() - frame.right(),
                   available.height() - frame.top() - frame.bottom());
  const QSize size = wanted.boundedTo(room).expandedTo(minimum);
  QRect rect(QPoint(0, 0), size);
  rect.moveCenter(centre);
  // Kept inside the free area, the frame included; the top-left corner wins when the
  // window cannot fit (its title bar stays reachable).
  const QRect inner = available.marginsRemoved(frame);
  rect.moveLeft(std::max(inner.left(), std::min(rect.left(), inner.right() - rect.width() + 1)));
  rect.moveTop(std::max(inner.top(), std::min(rect.top(), inner.bottom() - rect.height() + 1)));
  return rect;
}

void FitOnScreen(QWidget* window, QSize wanted, const QWidget* over) {
  const QScreen* screen = over != nullptr ? over->screen() : window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    window->resize(wanted);
    return;
  }
  const QRect available = screen->availableGeometry();
  const QPoint centre =
      over != nullptr && over->isVisible() ? over->geometry().center() : available.center();
  window->setGeometry(
      FittedGeometry(wanted, window->minimumSize(), available, FrameOf(window), centre));
}

bool RestorePlace(QWidget* window, const QString& file, const QString& key) {
  if (file.isEmpty()) return false;
  const QSettings places(file, QSettings::IniFormat);
  const QByteArray geometry = places.value(key).toByteArray();
  // restoreGeometry brings a window that would lie off every screen back onto one.
  return !geometry.isEmpty() && window->restoreGeometry(geometry);
}

void RememberPlace(const QWidget* window, const QString& file, const QString& key) {
  if (file.isEmpty()) return;
  QSettings places(file, QSettings::IniFormat);
  places.setValue(key, window->saveGeometry());
}

}  // namespace quillon::gui
