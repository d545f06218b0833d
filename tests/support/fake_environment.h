#pragma once
// A replaceable machine for start-up tests: system folder, current folder, screen.
#include <string>

#include "platform/environment.h"

namespace quillon::testing {

class FakeEnvironment : public Environment {
 public:
  std::string WindowsFolder() override { return windowsFolder; }
  std::string CurrentFolder() override { return currentFolder; }
  ScreenSize Screen() override { return screen; }

  std::string windowsFolder = "/usr";
  std::string currentFolder = "/";
  ScreenSize screen{1920 * kTwipsPerPixel, 1080 * kTwipsPerPixel};
};

}  // namespace quillon::testing
