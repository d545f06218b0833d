#pragma once
// The criteria editor frmRen: the state of its tick boxes and text boxes beside the Ed
// values and Opt indices of RenameState, the Include Space flags, the completeness
// check's findings, and where the keyboard is.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// The editor's text boxes.
enum class EditorBox : std::uint8_t {
  TextExt,
  TextSpaceWith,
  TextHandleThis,
  TextHandleWith,
  TextInsertAfterNumChar,
  TextInsertAfterString,
  TextInsertThis,
  TextReplaceString,
  TextReplaceAfterNumChar,
  TextReplaceAfterString,
  TextReplaceCharAfterNumChar,
  TextReplaceCharAfterString,
  TextReplaceNumChar,
  TextReplaceWith,
  TextRemoveString,
  TextRemoveAfterNumChar,
  TextRemoveAfterString,
  TextRemoveCharAfterNumChar,
  TextRemoveCharAfterString,
  TextRemoveNumChar,
  TextAutoAfterNumChar,
  TextAutoAfterString,
  TextAutoStart,
  TextReplacePattern,
  TextDateAfterNumChar,
  TextDateAfterString,
};
inline constexpr std::size_t kEditorBoxCount = 26;

struct EditorState {
  // frmRen is shown.
  bool shown = false;

  // Tick boxes; Auto is on through OptAutoKind.
  bool CheckCase = false;
  bool CheckExt = false;
  bool CheckSpace = false;
  bool CheckHandle = false;
  bool CheckInsert = false;
  bool CheckReplace = false;
  bool CheckRemove = false;
  bool CheckAutoLetter = false;
  bool CheckDate = false;

  // Include Space: live (the boxes) and confirmed copies.
  bool EdHandleIncludeSpace = false;
  bool EdSpaceIncludeSpace = false;
  bool EdInsertIncludeSpace = false;
  bool EdReplaceIncludeSpace = false;
  bool SavedHandleIncludeSpace = false;
  bool SavedSpaceIncludeSpace = false;
  bool SavedInsertIncludeSpace = false;
  bool SavedReplaceIncludeSpace = false;

  // The boxes' texts, by EditorBox.
  std::array<std::string, kEditorBoxCount> text{};

  // FrameAutoStart as FillAutoStart prepares it.
  std::string FrameAutoStartCaption;
  std::string LabelAutoMaxLength;
  int TextAutoStartMaxLength = 5;

  // The last completeness check.
  std::int16_t IncompleteCount = 0;
  bool IncompleteCase = false;
  bool IncompleteExt = false;
  bool IncompleteSpace = false;
  bool IncompleteHandle = false;
  bool IncompleteInsert = false;
  bool IncompleteReplace = false;
  bool IncompleteRemove = false;
  bool IncompleteAuto = false;
  bool IncompleteDate = false;

  // "SetRenameABOKAgain" after the user answered No to "MessageMultiNameRenOK": the next
  // OK checks the criteria once more.
  std::string MessageAnswer;

  // The focus routines' choice: the box that takes the keyboard and the tab order of the
  // chosen path (positions 0, 1, 2).
  std::string focus;
  std::vector<std::string> tabOrder;
  // The caret goes to the end of this box's text (after a rewrite), or "".
  std::string caretToEnd;
};

}  // namespace quillon
