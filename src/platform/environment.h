#pragma once
// What start-up asks of the machine, behind an interface so tests can replace it.
#include <string>

namespace quillon {

struct ScreenSize {
  long widthTwips = 0;
  long heightTwips = 0;
};

class Environment {
 public:
  virtual ~Environment() = default;
  // The system folder ("/usr"); "" when it cannot be determined.
  virtual std::string WindowsFolder() = 0;
  // The process's current folder, as the folder list would report it (no trailing "/").
  virtual std::string CurrentFolder() = 0;
  virtual ScreenSize Screen() = 0;
  // An environment variable's value; "" when it is not set.
  virtual std::string Variable(const std::string& name) = 0;
};

// Twips per pixel.
constexpr long kTwipsPerPixel = 15;

// The real machine; the screen size is handed in by the front end, which knows it.
class PosixEnvironment : public Environment {
 public:
  explicit PosixEnvironment(ScreenSize screen = {}) : screen_(screen) {}
  std::string WindowsFolder() override;
  std::string CurrentFolder() override;
  ScreenSize Screen() override { return screen_; }
  std::string Variable(const std::string& name) override;
  void SetScreen(ScreenSize screen) { screen_ = screen; }

 private:
  ScreenSize screen_;
};

}  // namespace quillon
