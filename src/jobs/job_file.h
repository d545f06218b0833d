#pragma once
// The job file: what to select, which criteria, options and action. Every key is
// optional and has the value the system starts with; anything unknown, mistyped or out
// of range is an error that names the key.
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <vector>

#include "session/rename_state.h"

namespace quillon::jobs {

struct JobSpec {
  std::optional<std::string> folder;

  std::string SelectionMode = "Manual";
  std::vector<std::string> Files;
  std::int16_t SelectSkip = 0;
  std::int16_t SelectNumFiles = 0;
  std::string SelectString;
  bool SelectCaseSensitive = false;
  std::string SelectExtension;
  std::int16_t MaxSelectLimit = 100;

  RenameCriteria criteria;
  std::vector<std::string> priority{"Insert", "Replace", "Remove"};

  bool InsertRigid = true;
  bool ReplaceRigid = true;
  bool RemoveRigid = false;
  bool CharReplaceRigid = false;
  bool CharRemoveRigid = false;

  std::string ActionName = "Rename";
  std::optional<std::string> DestFolder;
  bool OverwriteConfirmed = false;
  std::int16_t AttributeIndex = 0;

  // Keys that are valid but change nothing where they stand, one message each.
  std::vector<std::string> warnings;
};

// Reads a job from its JSON text; on failure returns nullopt with the message in error.
std::optional<JobSpec> ParseJob(const std::string& text, std::string& error);

// Where a text that is not valid JSON goes wrong: the line and column (from 1; the column
// counts characters) of the first character the parser could not take, and its reason.
struct JsonSyntaxError {
  std::size_t line = 0;
  std::size_t column = 0;
  std::string reason;
};
// nullopt when the text is valid JSON.
std::optional<JsonSyntaxError> FindJsonSyntaxError(const std::string& text);

}  // namespace quillon::jobs
