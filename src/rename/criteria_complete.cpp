#include "rename/criteria_complete.h"

#include <span>

#include "rename/criteria.h"
#include "rename/criteria_editor.h"
#include "rename/criteria_summary.h"
#include "rename/editor_boxes.h"
#include "rename/pattern_replace.h"

namespace quillon {
namespace {

using B = EditorBox;

bool Empty(const Session& s, EditorBox box) {
  return BoxText(s, box).empty();
}

void Clear(Session& s, UserInterface& ui, std::span<const EditorBox> boxes) {
  for (EditorBox box : boxes) OnTextChange(s, ui, box, "");
}
void Clear(Session& s, UserInterface& ui, std::initializer_list<EditorBox> boxes) {
  Clear(s, ui, std::span<const EditorBox>(boxes.begin(), boxes.size()));
}

constexpr EditorBox kInsertBoxes[] = {B::TextInsertAfterNumChar, B::TextInsertAfterString,
                                      B::TextInsertThis};
constexpr EditorBox kReplaceBoxes[] = {B::TextReplaceString,
                                       B::TextReplaceAfterNumChar,
                                       B::TextReplaceAfterString,
                                       B::TextReplaceCharAfterNumChar,
                                       B::TextReplaceCharAfterString,
                                       B::TextReplaceNumChar,
                                       B::TextReplaceWith,
                                       B::TextReplacePattern};
constexpr EditorBox kRemoveBoxes[] = {B::TextRemoveString,          B::TextRemoveAfterNumChar,
                                      B::TextRemoveAfterString,     B::TextRemoveCharAfterNumChar,
                                      B::TextRemoveCharAfterString, B::TextRemoveNumChar};
constexpr EditorBox kAutoBoxes[] = {B::TextAutoAfterNumChar, B::TextAutoAfterString,
                                    B::TextAutoStart};

constexpr EditorBox kDateBoxes[] = {B::TextDateAfterNumChar, B::TextDateAfterString};

// The resets of criteria that are not ticked.
void ResetCase(Session& s, UserInterface& ui) {
  OnOptionCaseClick(s, ui, kOptionOff);
  OnComboCaseClick(s, ui, 0);
}
void ResetSpace(Session& s, UserInterface& ui) {
  OnOptionSpaceClick(s, ui, kOptionOff);
  Clear(s, ui, {B::TextSpaceWith});
  OnCheckSpaceAddSpaceClick(s, ui, false);
}
void ResetHandle(Session& s, UserInterface& ui) {
  OnOptionHandleClick(s, ui, kOptionOff);
  Clear(s, ui, {B::TextHandleThis, B::TextHandleWith});
  OnCheckHandleAddSpaceClick(s, ui, false);
}
void ResetDate(Session& s, UserInterface& ui) {
  OnComboDatePlaceClick(s, ui, 0);
  OnComboDateSourceClick(s, ui, 0);
  OnComboDateFormatClick(s, ui, 0);
  Clear(s, ui, std::span<const EditorBox>(kDateBoxes));
}
void ResetAuto(Session& s, UserInterface& ui) {
  OnComboAutoZeroFillClick(s, ui, 0);
  OnComboAutoPlaceClick(s, ui, 0);
  Clear(s, ui, std::span<const EditorBox>(kAutoBoxes));
  OnCheckAutoLetterClick(s, ui, false);
}

struct Criterion {
  const char* reportName;
  bool EditorState::*ticked;  // nullptr for Auto, ticked through its kind
  bool EditorState::*incomplete;
  const char* (*missing)(const Session&);
  void (*reset)(Session&, UserInterface&);         // when not ticked
  void (*whenComplete)(Session&, UserInterface&);  // when ticked and complete
  void (*untick)(Session&, UserInterface&);        // UnselectIncomplete
};

const Criterion kCriteria[] = {
    {"Case : Change", &EditorState::CheckCase, &EditorState::IncompleteCase, &CaseMissing,
     &ResetCase, nullptr,
     [](Session& s, UserInterface& ui) {
       ResetCase(s, ui);
       OnCheckCaseClick(s, ui, false);
     }},
    {"Extension : Change", &EditorState::CheckExt, &EditorState::IncompleteExt, &ExtMissing,
     [](Session& s, UserInterface& ui) { Clear(s, ui, {B::TextExt}); }, nullptr,
     [](Session& s, UserInterface& ui) { OnCheckExtClick(s, ui, false); }},
    {"Space : Change || Replace", &EditorState::CheckSpace, &EditorState::IncompleteSpace,
     &SpaceMissing, &ResetSpace,
     [](Session& s, UserInterface& ui) {
       if (s.rename.OptSpaceMode != 1) OnCheckSpaceAddSpaceClick(s, ui, false);
       s.editor.SavedSpaceIncludeSpace = s.editor.EdSpaceIncludeSpace;
     },
     [](Session& s, UserInterface& ui) {
       ResetSpace(s, ui);
       OnCheckSpaceClick(s, ui, false);
       s.editor.SavedSpaceIncludeSpace = s.editor.EdSpaceIncludeSpace;
     }},
    {"Handle all instances of this Character or String", &EditorState::CheckHandle,
     &EditorState::IncompleteHandle, &HandleMissing, &ResetHandle,
     [](Session& s, UserInterface& ui) {
       if (s.rename.OptHandleMode != kHandleReplaceWith) OnCheckHandleAddSpaceClick(s, ui, false);
       s.editor.SavedHandleIncludeSpace = s.editor.EdHandleIncludeSpace;
     },
     [](Session& s, UserInterface& ui) {
       ResetHandle(s, ui);
       OnCheckHandleClick(s, ui, false);
       s.editor.SavedHandleIncludeSpace = s.editor.EdHandleIncludeSpace;
     }},
    {"Insert", &EditorState::CheckInsert, &EditorState::IncompleteInsert, &InsertMissing,
     [](Session& s, UserInterface& ui) {
       Clear(s, ui, std::span<const EditorBox>(kInsertBoxes));
       OnCheckInsertAddSpaceClick(s, ui, false);
     },
     [](Session& s, UserInterface&) {
       s.editor.SavedInsertIncludeSpace = s.editor.EdInsertIncludeSpace;
     },
     [](Session& s, UserInterface& ui) {
       Clear(s, ui, std::span<const EditorBox>(kInsertBoxes));
       OnCheckInsertAddSpaceClick(s, ui, false);
       OnCheckInsertClick(s, ui, false);
       s.editor.SavedInsertIncludeSpace = s.editor.EdInsertIncludeSpace;
     }},
    {"Replace", &EditorState::CheckReplace, &EditorState::IncompleteReplace, &ReplaceMissing,
     [](Session& s, UserInterface& ui) {
       Clear(s, ui, std::span<const EditorBox>(kReplaceBoxes));
       OnCheckReplaceAddSpaceClick(s, ui, false);
     },
     [](Session& s, UserInterface&) {
       s.editor.SavedReplaceIncludeSpace = s.editor.EdReplaceIncludeSpace;
     },
     [](Session& s, UserInterface& ui) {
       Clear(s, ui, std::span<const EditorBox>(kReplaceBoxes));
       OnCheckReplaceAddSpaceClick(s, ui, false);
       OnCheckReplaceClick(s, ui, false);
       s.editor.SavedReplaceIncludeSpace = s.editor.EdReplaceIncludeSpace;
     }},
    {"Remove", &EditorState::CheckRemove, &EditorState::IncompleteRemove, &RemoveMissing,
     [](Session& s, UserInterface& ui) { Clear(s, ui, std::span<const EditorBox>(kRemoveBoxes)); },
     nullptr,
     [](Session& s, UserInterface& ui) {
       Clear(s, ui, std::span<const EditorBox>(kRemoveBoxes));
       OnCheckRemoveClick(s, ui, false);
     }},
    {"Auto", nullptr, &EditorState::IncompleteAuto, &AutoMissing, &ResetAuto,
     [](Session& s, UserInterface& ui) {
       if (s.rename.OptAutoKind == 1) OnCheckAutoLetterClick(s, ui, false);
       if (s.rename.OptAutoKind == 2) OnComboAutoZeroFillClick(s, ui, 0);
     },
     [](Session& s, UserInterface& ui) {
       ResetAuto(s, ui);
       OnOptionAutoClick(s, ui, 0);
     }},
    {"Date", &EditorState::CheckDate, &EditorState::IncompleteDate, &DateMissing, &ResetDate,
     nullptr,
     [](Session& s, UserInterface& ui) {
       ResetDate(s, ui);
       OnCheckDateClick(s, ui, false);
     }},
};

bool Ticked(const Session& s, const Criterion& c) {
  return c.ticked == nullptr ? s.rename.OptAutoKind != 0 : s.editor.*c.ticked;
}

}  // namespace

const char* CaseMissing(const Session& s) {
  return s.rename.OptCaseChange == 0 ? "CaseChange" : nullptr;
}

const char* ExtMissing(const Session& s) {
  return Empty(s, B::TextExt) ? "ExtText" : nullptr;
}

const char* SpaceMissing(const Session& s) {
  const int mode = s.rename.OptSpaceMode;
  if (mode > 1) return "SpaceOn";
  return mode == 1 && Empty(s, B::TextSpaceWith) ? "SpaceWith" : nullptr;
}

const char* HandleMissing(const Session& s) {
  const int mode = s.rename.OptHandleMode;
  if (mode >= 3) return "HandleMode";
  if (Empty(s, B::TextHandleThis)) return "HandleThis";
  return mode == kHandleReplaceWith && Empty(s, B::TextHandleWith) ? "HandleWith" : nullptr;
}

const char* InsertMissing(const Session& s) {
  const RenameState& r = s.rename;
  const int i = r.OptInsertPlace;
  if (r.EdInsertThis.empty()) return "InsertText";
  if (i == 0) return "InsertPlace";
  if ((i == 3 || i == 4) && r.EdInsertNum < 1) return i == 3 ? "InsertAfterNum" : "InsertBeforeNum";
  if ((i == 5 || i == 6) && r.EdInsertString.empty()) {
    return i == 5 ? "InsertAfterString" : "InsertBeforeString";
  }
  return nullptr;
}

const char* ReplaceMissing(const Session& s) {
  const RenameState& r = s.rename;
  const int i = r.OptReplacePlace;
  if (Empty(s, B::TextReplaceWith)) return "ReplaceWith";
  if (i == 0) return "ReplacePlace";
  if (i == 2 && r.EdReplaceString.empty()) return "ReplaceString";
  if ((i == 3 || i == 4) && r.EdReplaceAfterNum < 1) {
    return i == 3 ? "ReplaceAfterNum" : "ReplaceBeforeNum";
  }
  if ((i == 5 || i == 6) && r.EdReplaceAfterString.empty()) {
    return i == 5 ? "ReplaceAfterString" : "ReplaceBeforeString";
  }
  // A pattern the library refuses is as good as none.
  if (i == 13 && (r.EdReplacePattern.empty() || !PatternError(r.EdReplacePattern).empty())) {
    return "ReplacePattern";
  }
  if (i == 13) return nullptr;
  if (i >= 7 && r.EdReplaceNumChar == 0) return "ReplaceNumChars";
  if ((i == 9 || i == 10) && r.EdReplaceCharAfterNum == 0) {
    return i == 9 ? "ReplaceAfterNum" : "ReplaceBeforeNum";
  }
  if ((i == 11 || i == 12) && r.EdReplaceCharAfterString.empty()) {
    return i == 11 ? "ReplaceAfterString" : "ReplaceBeforeString";
  }
  return nullptr;
}

const char* RemoveMissing(const Session& s) {
  const RenameState& r = s.rename;
  const int i = r.OptRemovePlace;
  if (i == 0) return "RemovePlace";
  if (i == 1 && r.EdRemoveString.empty()) return "RemoveString";
  if ((i == 2 || i == 3) && r.EdRemoveAfterNum == 0) {
    return i == 2 ? "RemoveAfterNum" : "RemoveBeforeNum";
  }
  if ((i == 4 || i == 5) && r.EdRemoveAfterString.empty()) {
    return i == 4 ? "RemoveAfterString" : "RemoveBeforeString";
  }
  if (i >= 6 && r.EdRemoveNumChar == 0) return "RemoveNumChars";
  if ((i == 8 || i == 9) && r.EdRemoveCharAfterNum == 0) {
    return i == 8 ? "RemoveAfterNum" : "RemoveBeforeNum";
  }
  if ((i == 10 || i == 11) && r.EdRemoveCharAfterString.empty()) {
    return i == 10 ? "RemoveAfterString" : "RemoveBeforeString";
  }
  return nullptr;
}

const char* AutoMissing(const Session& s) {
  const RenameState& r = s.rename;
  const int i = r.OptAutoPlace;
  if (r.EdAutoStart.empty()) return r.OptAutoKind == 1 ? "AutoStartNumber" : "AutoStartLetters";
  // A start value without a place would switch Auto on and change no name.
  if (i == 0) return "AutoPlace";
  if ((i == 3 || i == 4) && r.EdAutoNum == 0) return i == 3 ? "AutoAfterNum" : "AutoBeforeNum";
  if ((i == 5 || i == 6) && r.EdAutoString.empty()) {
    return i == 5 ? "AutoAfterString" : "AutoBeforeString";
  }
  return nullptr;
}

const char* DateMissing(const Session& s) {
  const RenameState& r = s.rename;
  const int i = r.OptDatePlace;
  if (i == 0) return "DatePlace";
  if ((i == 3 || i == 4) && r.EdDateNum < 1) return i == 3 ? "DateAfterNum" : "DateBeforeNum";
  if ((i == 5 || i == 6) && r.EdDateString.empty()) {
    return i == 5 ? "DateAfterString" : "DateBeforeString";
  }
  return nullptr;
}

Incomplete FirstIncomplete(const Session& s) {
  for (const Criterion& c : kCriteria) {
    if (!Ticked(s, c)) continue;
    if (const char* key = c.missing(s)) return {c.reportName, key};
  }
  return {};
}

std::string IncompleteReport(const std::vector<std::string>& names) {
  if (names.size() == 1) {
    return "Criteria settings for " + names.front() +
           " is not complete. If incomplete, will be unselected. Do you want to complete "
           "settings?";
  }
  std::string text = "You have incomplete criteria settings for the followings :\r\n\r\n";
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += std::to_string(i + 1) + ". " + names[i] + "\r\n";
  }
  text += "\r\nIf incomplete, will be unselected. Do you want to complete settings ?";
  return text;
}

std::string CheckCriteriaComplete(Session& s, UserInterface& ui) {
  EditorState& e = s.editor;
  e.IncompleteCount = 0;
  std::vector<std::string> names;
  for (const Criterion& c : kCriteria) {
    e.*c.incomplete = false;
    if (!Ticked(s, c)) {
      c.reset(s, ui);
    } else if (c.missing(s) != nullptr) {
      ++e.IncompleteCount;
      e.*c.incomplete = true;
      names.emplace_back(c.reportName);
    } else if (c.whenComplete != nullptr) {
      c.whenComplete(s, ui);
    }
  }
  if (e.IncompleteCount < 1) return "";
  s.message.MessageKey = "MessageReadyIncompleteRen";
  s.message.MessageReadyText = IncompleteReport(names);
  return ShowReadyMessage(s, ui).code;
}

void UnselectIncomplete(Session& s, UserInterface& ui) {
  EditorState& e = s.editor;
  if (e.IncompleteCount <= 0) return;
  for (const Criterion& c : kCriteria) {
    if (e.*c.incomplete) c.untick(s, ui);
  }
  e.IncompleteCount = 0;
}

std::vector<std::string> DropIncomplete(Session& s, UserInterface& ui) {
  std::vector<std::string> dropped;
  for (const Criterion& c : kCriteria) {
    if (!Ticked(s, c) || c.missing(s) == nullptr) continue;
    dropped.emplace_back(c.reportName);
    c.untick(s, ui);
  }
  return dropped;
}

void DropReplaceFileName(Session& s, UserInterface& ui) {
  OnComboReplaceClick(s, ui, 0);
  RenameSetReplace(s);
  BuildCriteriaSummary(s);
}

}  // namespace quillon
