#pragma once
// What a command prints: plain lines, or one JSON object with --json.
#include <nlohmann/json.hpp>
#include <string>

namespace quillon::cli {

class Output {
 public:
  explicit Output(bool json) : json_(json) {}
  // Whether the JSON object is printed (else the plain lines are).
  bool json() const { return json_; }
  nlohmann::json& object() { return object_; }
  // A line of the plain output.
  void Line(const std::string& text) { lines_ += text + "\n"; }
  // Prints everything collected; returns the exit status handed in.
  int Finish(int status);
  // A refusal with one of the system's messages.
  int Refuse(const std::string& key, const std::string& text);
  // A usage or job-file error.
  int Error(const std::string& message);

 private:
  bool json_;
  nlohmann::json object_ = nlohmann::json::object();
  std::string lines_;
};

// A name as JSON text: UTF-8 names as they are, other bytes replaced for display.
nlohmann::json NameJson(const std::string& name);

}  // namespace quillon::cli
