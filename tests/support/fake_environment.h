#pragma once
// A replaceable machine for start-up tests: system folder, current folder, screen.
#include <map>
#include <string>

#include "platform/environment.h"

namespace quillon::testing {

class FakeEnvironment : public Environment {
 public:
  std::string WindowsFolder() override { return windowsFolder; }
  std::string CurrentFolder() override { return currentFolder; }
  ScreenSize Screen() override { return screen; }
  std::string Variable(const std::string& name) override {
    const auto found = variables.find(name);
    return found != variables.end() ? found->second : "";
  }

  std::string windowsFolder = "/usr";
  std::string currentFolder = "/";
  ScreenSize screen{1920 * kTwipsPerPixel, 1080 * kTwipsPerPixel};
  // None set: the program keeps its data in the start folder, as without a home.
  std::map<std::string, std::string> variables;
};

}  // namespace quillon::testing
