#pragma once
// What a command prints: plain lines, or one JSON object with --json.
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon::cli {

// An array of flat objects written straight as JSON text, laid out as the rest of the
// output: a job's rows need no JSON tree.
class RowsText {
 public:
  void Begin();
  void String(const char* key, const std::string& name);  // a name, shown as NameJson does
  void Number(const char* key, long number);
  void Null(const char* key);
  void End();
  // The array, for a member of the top object.
  std::string Take();

 private:
  void Key(const char* key);
  std::string text_;
  std::size_t rows_ = 0;
  bool firstField_ = true;
};

class Output {
 public:
  explicit Output(bool json) : json_(json) {}
  // Whether the JSON object is printed (else the plain lines are).
  bool json() const { return json_; }
  nlohmann::json& object() { return object_; }
  // A member of the JSON object given as ready text.
  void Raw(const std::string& key, std::string text);
  // A line of the plain output, written out in blocks as they fill; or the line made of
  // these pieces.
  void Line(std::string_view text) { Line({text}); }
  void Line(std::initializer_list<std::string_view> pieces);
  // Prints everything collected; returns the exit status handed in.
  int Finish(int status);
  // A refusal with one of the system's messages.
  int Refuse(const std::string& key, const std::string& text);
  // A usage or job-file error.
  int Error(const std::string& message);

 private:
  bool json_;
  nlohmann::json object_ = nlohmann::json::object();
  void WriteLines();
  static constexpr std::size_t kLinesBuffer = 64 * 1024;
  std::vector<std::pair<std::string, std::string>> raw_;
  std::string lines_;
};

// A name as JSON text: UTF-8 names as they are, other bytes replaced for display.
nlohmann::json NameJson(const std::string& name);

}  // namespace quillon::cli
