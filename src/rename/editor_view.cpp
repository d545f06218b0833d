#include "rename/editor_view.h"

#include "rename/editor_boxes.h"

namespace quillon {
namespace {

using B = EditorBox;

class Builder {
 public:
  Builder(const Session& s, View& v) : s_(s), v_(v) {}
  bool Filled(EditorBox box) const { return !BoxText(s_, box).empty(); }
  void Show(const char* name, bool visible) { v_[name].visible = visible; }
  void Show(EditorBox box, bool visible) { v_[std::string(BoxName(box))].visible = visible; }
  void Show(std::initializer_list<const char*> names, bool visible) {
    for (const char* name : names) Show(name, visible);
  }

 private:
  const Session& s_;
  View& v_;
};

void Boxes(const Session& s, View& v) {
  for (std::size_t i = 0; i < kEditorBoxCount; ++i) {
    const auto box = static_cast<EditorBox>(i);
    v[std::string(BoxName(box))].text = BoxText(s, box);
  }
}

void Ticks(const Session& s, View& v) {
  const EditorState& e = s.editor;
  const RenameState& r = s.rename;
  v["CheckExt"].checked = e.CheckExt;
  v["CheckCase"].checked = e.CheckCase;
  v["CheckSpace"].checked = e.CheckSpace;
  v["CheckHandle"].checked = e.CheckHandle;
  v["CheckInsert"].checked = e.CheckInsert;
  v["CheckReplace"].checked = e.CheckReplace;
  v["CheckRemove"].checked = e.CheckRemove;
  v["CheckAutoLetter"].checked = e.CheckAutoLetter;
  v["CheckDate"].checked = e.CheckDate;
  v["CheckHandleAddSpace"].checked = e.EdHandleIncludeSpace;
  v["CheckSpaceAddSpace"].checked = e.EdSpaceIncludeSpace;
  v["CheckInsertAddSpace"].checked = e.EdInsertIncludeSpace;
  v["CheckReplaceAddSpace"].checked = e.EdReplaceIncludeSpace;
  v["OptionCase"].index = r.OptCaseScope;
  v["OptionSpace"].index = r.OptSpaceMode;
  v["OptionHandle"].index = r.OptHandleMode;
  v["OptionAuto"].index = r.OptAutoKind;
  v["ComboCase"].index = r.OptCaseChange;
  v["ComboInsert"].index = r.OptInsertPlace;
  v["ComboReplace"].index = r.OptReplacePlace;
  v["ComboRemove"].index = r.OptRemovePlace;
  v["ComboAutoPlace"].index = r.OptAutoPlace;
  v["ComboAutoZeroFill"].index = r.OptAutoZeroFill;
  v["ComboDatePlace"].index = r.OptDatePlace;
  v["ComboDateSource"].index = r.OptDateSource;
  v["ComboDateFormat"].index = r.OptDateFormat;
}

void FirstFour(const Session& s, Builder& b) {
  const EditorState& e = s.editor;
  const RenameState& r = s.rename;
  b.Show({"LabelExt", "LabelMaxExt", "TextExt"}, e.CheckExt);
  b.Show("FrameCaseOption", e.CheckCase);
  b.Show("FrameCaseSelect", e.CheckCase && r.OptCaseScope < 3);
  b.Show("OptionSpace", e.CheckSpace);
  b.Show("FrameSpaceReplace", e.CheckSpace && r.OptSpaceMode == 1);
  b.Show(B::TextHandleThis, e.CheckHandle);
  const bool changeTo = e.CheckHandle && b.Filled(B::TextHandleThis);
  b.Show("FrameSpChangeTo", changeTo);
  b.Show({"TextHandleWith", "LabelMaxHandle", "CheckHandleAddSpace"},
         changeTo && r.OptHandleMode == kHandleReplaceWith);
}

void Insert(const Session& s, Builder& b) {
  const int i = s.rename.OptInsertPlace;
  b.Show("ComboInsert", s.editor.CheckInsert);
  const bool number = i == 3 || i == 4;
  const bool string = i == 5 || i == 6;
  b.Show({"TextInsertAfterNumChar", "LabelMaxInsert", "LabelInsertHighDigit"}, number);
  b.Show(B::TextInsertAfterString, string);
  b.Show("FrameInsertThis", i == 1 || i == 2 || (number && b.Filled(B::TextInsertAfterNumChar)) ||
                                (string && b.Filled(B::TextInsertAfterString)));
}

void Replace(const Session& s, Builder& b) {
  const int i = s.rename.OptReplacePlace;
  b.Show("ComboReplace", s.editor.CheckReplace);
  const bool number = i == 3 || i == 4;
  const bool charNumber = i == 9 || i == 10;
  const bool charString = i == 11 || i == 12;
  b.Show(B::TextReplaceString, i == 2);
  b.Show(B::TextReplaceAfterNumChar, number);
  b.Show(B::TextReplaceAfterString, i == 5 || i == 6);
  b.Show(B::TextReplaceCharAfterNumChar, charNumber);
  b.Show(B::TextReplaceCharAfterString, charString);
  b.Show(B::TextReplacePattern, i == 13);
  b.Show({"LabelMaxReplace", "LabelReplaceHighDigit"}, number || charNumber);

  bool numChar = i == 7 || i == 8;
  if (charNumber) numChar = b.Filled(B::TextReplaceCharAfterNumChar);
  if (charString) numChar = b.Filled(B::TextReplaceCharAfterString);
  b.Show("FrameReplaceNumChar", numChar);
  bool with = false;
  if (i == 1) with = true;
  if (i == 2) with = b.Filled(B::TextReplaceString);
  if (number) with = b.Filled(B::TextReplaceAfterNumChar);
  if (i == 5 || i == 6) with = b.Filled(B::TextReplaceAfterString);
  if (i >= 7 && i <= 12) with = numChar && b.Filled(B::TextReplaceNumChar);
  if (i == 13) with = b.Filled(B::TextReplacePattern);
  b.Show("FrameReplaceWith", with);
}

void Remove(const Session& s, Builder& b) {
  const int i = s.rename.OptRemovePlace;
  b.Show("ComboRemove", s.editor.CheckRemove);
  const bool charNumber = i == 8 || i == 9;
  const bool charString = i == 10 || i == 11;
  b.Show(B::TextRemoveString, i == 1);
  b.Show(B::TextRemoveAfterNumChar, i == 2 || i == 3);
  b.Show(B::TextRemoveAfterString, i == 4 || i == 5);
  b.Show(B::TextRemoveCharAfterNumChar, charNumber);
  b.Show(B::TextRemoveCharAfterString, charString);
  b.Show({"LabelMaxRemove", "LabelRemoveHighDigit"}, i == 2 || i == 3 || charNumber);
  bool numChar = i == 6 || i == 7;
  if (charNumber) numChar = b.Filled(B::TextRemoveCharAfterNumChar);
  if (charString) numChar = b.Filled(B::TextRemoveCharAfterString);
  b.Show("FrameRemoveNumChar", numChar);
}

void Auto(const Session& s, Builder& b, View& v) {
  const RenameState& r = s.rename;
  const int kind = r.OptAutoKind;
  const int i = kind == 0 ? 0 : r.OptAutoPlace;
  b.Show("ComboAutoPlace", kind != 0);
  const bool number = i == 3 || i == 4;
  const bool string = i == 5 || i == 6;
  b.Show({"TextAutoAfterNumChar", "LabelMaxAuto", "LabelAutoHighDigit"}, number);
  b.Show(B::TextAutoAfterString, string);
  const bool start = i == 1 || i == 2 || (number && b.Filled(B::TextAutoAfterNumChar)) ||
                     (string && b.Filled(B::TextAutoAfterString));
  b.Show("FrameAutoStart", start);
  b.Show({"LabelAutoZeroFill", "ComboAutoZeroFill"}, start && kind == 1);
  b.Show("CheckAutoLetter", start && kind == 2);
  v["FrameAutoStart"].text = s.editor.FrameAutoStartCaption;
  v["LabelAutoMaxLength"].text = s.editor.LabelAutoMaxLength;
}

void Date(const Session& s, Builder& b) {
  const bool ticked = s.editor.CheckDate;
  const int i = ticked ? s.rename.OptDatePlace : 0;
  b.Show({"ComboDatePlace", "LabelDateSource", "ComboDateSource", "LabelDateFormat",
          "ComboDateFormat"},
         ticked);
  const bool number = i == 3 || i == 4;
  b.Show({"TextDateAfterNumChar", "LabelMaxDate", "LabelDateHighDigit"}, number);
  b.Show(B::TextDateAfterString, i == 5 || i == 6);
}

}  // namespace

View EditorView(const Session& s) {
  View v;
  Boxes(s, v);
  Ticks(s, v);
  Builder b(s, v);
  FirstFour(s, b);
  Insert(s, b);
  Replace(s, b);
  Remove(s, b);
  Auto(s, b, v);
  Date(s, b);
  int position = 0;
  for (const std::string& name : s.editor.tabOrder) v[name].tab = position++;
  return v;
}

}  // namespace quillon
