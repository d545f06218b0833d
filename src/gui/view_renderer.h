#pragma once
// Renders the core's views into widgets found by their objectName, with their signals
// blocked so that rendering never counts as a user's action.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ui/view.h"

namespace quillon::gui {

class ViewRenderer {
 public:
  explicit ViewRenderer(QWidget* root) : root_(root) {}
  // Applies every field the view sets; a name without a widget is skipped.
  void Render(const View& view);
  // The widget named `name` below the root, or nullptr.
  QWidget* Find(const QString& name);

 private:
  QWidget* root_;
  QHash<QString, QPointer<QWidget>> cache_;
};

// A text of the core as Qt shows it: CR LF line breaks become plain line breaks.
QString DisplayText(const std::string& text);

}  // namespace quillon::gui
