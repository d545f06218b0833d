#pragma once
// A line edit whose key presses are first put to a filter of the core.
#include <QLineEdit>
#include <functional>

#include "ui/key_filter.h"

namespace quillon::gui {

class FilteredLineEdit : public QLineEdit {
 public:
  using Filter = std::function<KeyVerdict(char32_t key)>;
  FilteredLineEdit(const QString& name, QWidget* parent);
  void setFilter(Filter filter) { filter_ = std::move(filter); }
  // Sets the text from code without it counting as the user's edit.
  void setTextQuietly(const QString& text);
  std::function<void()> onPressOK;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Filter filter_;
};

}  // namespace quillon::gui
