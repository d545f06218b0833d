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
  // A name, shown as NameJson does; one that is not UTF-8 has its bytes in key_bytes too.
  void String(const char* key, const std::string& name);
  void Number(const char* key, long number);
  void Null(const char* key);
  void End();
  // The array, for a member of the top object.
  std::string Take();

 private:
  void Key(std::string_view key);
  std::string text_;
  std::size_t rows_ = 0;
  bool firstField_ = true;
};

// Standard output carries the rows and results, or the one JSON object; what went wrong
// goes to standard error as "quillon-cli: FILE: reason", after the output.
class Output {
 public:
  explicit Output(bool json);
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
  // A line for standard error: "quillon-cli: WHERE: TEXT", or without WHERE when "".
  void Complain(const std::string& where, const std::string& text);
  // A refusal with one of the system's messages.
  int Refuse(const std::string& key, const std::string& text);
  // A usage or job-file error: `message` in the JSON object's "error" (members set there
  // before are kept); on standard error `said` (or the message) after `where`.
  int Error(const std::string& message, const std::string& where = "",
            const std::string& said = "");

 private:
  bool json_;
  nlohmann::json object_ = nlohmann::json::object();
  void WriteLines();
  static constexpr std::size_t kLinesBuffer = 64 * 1024;
  std::vector<std::pair<std::string, std::string>> raw_;
  std::string lines_;
  std::string complaints_;
};

// A name as JSON text: UTF-8 names as they are, other bytes replaced for display.
nlohmann::json NameJson(const std::string& name);

// object[key] = NameJson(name); for a name that is not valid UTF-8, its bytes as well in
// object[key + "_bytes"], so that a script can find the file.
void SetName(nlohmann::json& object, const std::string& key, const std::string& name);
// The same for a list: key_bytes, when any name needs it, holds each name's bytes or null.
void SetNames(nlohmann::json& object, const std::string& key,
              const std::vector<std::string>& names);

}  // namespace quillon::cli
