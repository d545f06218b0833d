#include "rename/criteria_summary.h"

namespace quillon {
namespace {

std::string N(int value) {
  return std::to_string(value);
}

std::string CaseLine(const RenameCriteria& c) {
  if (c.CaseScope == "FileName") return "File Name :: " + c.CaseChange + ".";
  if (c.CaseScope == "FirstLetter") return "First letter of File Name :: " + c.CaseChange + ".";
  return "First letter of all words :: " + c.CaseChange + ".";
}

std::string InsertLine(const RenameCriteria& c) {
  const std::string head = "Insert :: " + c.InsertText;
  const std::string& p = c.InsertPlace;
  if (p == "InsertAfterNumChars") {
    return c.InsertAfterNum != 0 ? head + " :: after " + N(c.InsertAfterNum) + " Characters."
                                 : head + " :: at start of file Name.";
  }
  if (p == "InsertBeforeNumChars") {
    return c.InsertBeforeNum != 0 ? head + " :: before " + N(c.InsertBeforeNum) + " Characters."
                                  : head + " :: at end of file Name.";
  }
  if (p == "InsertAfterAString") return head + " :: after :: " + c.InsertAfterString + ".";
  if (p == "InsertBeforeAString") return head + " :: before :: " + c.InsertBeforeString + ".";
  return "Insert :: No";
}

std::string ReplaceLine(const RenameCriteria& c) {
  const std::string& p = c.ReplacePlace;
  const std::string w = c.ReplaceWith;
  const std::string k = N(c.ReplaceNumChars);
  if (p == "ReplaceFileName") return "Replace file name with :: " + w + ".";
  if (p == "ReplaceAString") return "Replace :: " + c.ReplaceString + " :: with :: " + w + ".";
  if (p == "ReplaceAfterNumChars") {
    return "Replace all after " + N(c.ReplaceAfterNum) + " Characters with :: " + w + ".";
  }
  if (p == "ReplaceBeforeNumChars") {
    return "Replace all before " + N(c.ReplaceBeforeNum) + " Characters with :: " + w + ".";
  }
  if (p == "ReplaceAfterAString") {
    return "Replace all after :: " + c.ReplaceAfterString + " :: with :: " + w + ".";
  }
  if (p == "ReplaceBeforeAString") {
    return "Replace all before :: " + c.ReplaceBeforeString + " :: with :: " + w + ".";
  }
  if (p == "ReplaceCharAfterNumChars") {
    return "Replace " + k + " Chars after " + N(c.ReplaceAfterNum) + " Chars with :: " + w + ".";
  }
  if (p == "ReplaceCharBeforeNumChars") {
    return "Replace " + k + " Chars Before " + N(c.ReplaceBeforeNum) + " Chars with :: " + w + ".";
  }
  if (p == "ReplaceCharAfterAString") {
    return "Replace " + k + " Chars after :: " + c.ReplaceAfterString + " - with :: " + w + ".";
  }
  if (p == "ReplaceCharBeforeAString") {
    return "Replace " + k + " Chars before :: " + c.ReplaceBeforeString + " - with :: " + w + ".";
  }
  if (p == "ReplacePattern") {
    return "Replace every match of :: " + c.ReplacePattern + " :: with :: " + w + ".";
  }
  return "Replace :: No";
}

std::string RemoveLine(const RenameCriteria& c) {
  const std::string& p = c.RemovePlace;
  const std::string k = N(c.RemoveNumChars);
  if (p == "RemoveAString") return "Remove :: " + c.RemoveString + " :: from file name.";
  if (p == "RemoveAfterNumChars") return "Remove all after " + N(c.RemoveAfterNum) + " Characters.";
  if (p == "RemoveBeforeNumChars") {
    return "Remove all before " + N(c.RemoveBeforeNum) + " Characters.";
  }
  if (p == "RemoveAfterAString") return "Remove all after :: " + c.RemoveAfterString + ".";
  if (p == "RemoveBeforeAString") return "Remove all before :: " + c.RemoveBeforeString + ".";
  if (p == "RemoveCharAfterNumChars") {
    return "Remove " + k + " Chars after " + N(c.RemoveAfterNum) + " Chars.";
  }
  if (p == "RemoveCharBeforeNumChars") {
    return "Remove " + k + " Chars Before " + N(c.RemoveBeforeNum) + " Chars.";
  }
  if (p == "RemoveCharAfterAString") {
    return "Remove " + k + " Chars after :: " + c.RemoveAfterString + ".";
  }
  if (p == "RemoveCharBeforeAString") {
    return "Remove " + k + " Chars before :: " + c.RemoveBeforeString + ".";
  }
  return "Remove :: No";
}

std::string AutoFirstLine(const RenameCriteria& c) {
  if (c.AutoKind == "Number") {
    std::string line = "Auto start number :: " + N(c.AutoStartNumber) + ".";
    if (c.AutoZeroFill != 0) line += " Zero fill :: " + N(c.AutoZeroFill) + ".";
    return line;
  }
  if (c.AutoKind == "Capital Letter")
    return "Auto start Letter(Capital) :: " + c.AutoStartLetters + ".";
  if (c.AutoKind == "Small Letter")
    return "Auto start Letter(Small) :: " + c.AutoStartLetters + ".";
  return "Auto Number or Letter :: No";
}

std::string AutoSecondLine(const RenameCriteria& c) {
  const std::string& p = c.AutoPlace;
  if (p == "AutoAfterNumChars") {
    return c.AutoAfterNum == 0 ? "Add at start of File Names."
                               : "Add after " + N(c.AutoAfterNum) + " Characters.";
  }
  if (p == "AutoBeforeNumChars") {
    return c.AutoBeforeNum == 0 ? "Add at end of File Names."
                                : "Add before " + N(c.AutoBeforeNum) + " Characters.";
  }
  if (p == "AutoAfterAString") return "Add after :: " + c.AutoAfterString + ".";
  if (p == "AutoBeforeAString") return "Add before :: " + c.AutoBeforeString + ".";
  return "";
}

std::string DateLine(const RenameCriteria& c) {
  const std::string head = "Date :: " + c.DateSource + " :: " + c.DateFormat + " :: ";
  const std::string& p = c.DatePlace;
  if (p == "DateAfterNumChars") {
    return head + (c.DateAfterNum == 0 ? "Add at start of File Names."
                                       : "Add after " + N(c.DateAfterNum) + " Characters.");
  }
  if (p == "DateBeforeNumChars") {
    return head + (c.DateBeforeNum == 0 ? "Add at end of File Names."
                                        : "Add before " + N(c.DateBeforeNum) + " Characters.");
  }
  if (p == "DateAfterAString") return head + "Add after :: " + c.DateAfterString + ".";
  if (p == "DateBeforeAString") return head + "Add before :: " + c.DateBeforeString + ".";
  return "";
}

}  // namespace

std::string HandleDisplayForm(const std::string& handleThis) {
  if (handleThis == ".") return "Char-Dot";
  if (handleThis == ":") return "Char-Colon";
  if (handleThis == ",") return "Char-Comma";
  if (handleThis == ";") return "Char-Semicolon";
  if (handleThis == "-") return "Char-Dash";
  if (handleThis == "_") return "Char-Underscore";
  return handleThis;
}

void BuildCriteriaSummary(Session& s) {
  const RenameCriteria& c = s.rename.criteria;
  CriteriaSummary& out = s.rename.summary;
  std::int16_t count = 0;

  if (c.CaseOn) {
    count = 1;
    out.LabelCriChgCase = {CaseLine(c), true};
  } else {
    out.LabelCriChgCase = {"Change Case :: No", false};
  }
  if (c.ExtOn) {
    ++count;
    out.LabelCriChgExt = {"Extension change to :: " + c.ExtText + ".", true};
  } else {
    out.LabelCriChgExt = {"Change Extension :: No", false};
  }
  if (c.SpaceOn) {
    ++count;
    out.LabelCriRmvSpace = {s.rename.OptSpaceMode == 1 ? "Space :: Replace With :: " + c.SpaceWith
                                                       : std::string("Space :: Remove"),
                            true};
  } else {
    out.LabelCriRmvSpace = {"Change or Remove Space :: No", false};
  }
  // The second Handle line keeps its colour.
  if (c.HandleOn) {
    ++count;
    const std::string d = HandleDisplayForm(c.HandleThis);
    if (c.HandleWith.empty()) {
      out.LabelCriHandle1 = {"All Instance Of :: " + d, true};
      out.LabelCriHandle2.text = "Remove";
    } else if (c.HandleWith == " ") {
      out.LabelCriHandle1 = {"All Instance of :: " + d, true};
      out.LabelCriHandle2.text = "Change as :: Space";
    } else {
      out.LabelCriHandle1 = {"All Instance of :: " + d, true};
      out.LabelCriHandle2.text = "Replace with :: " + c.HandleWith;
    }
  } else {
    out.LabelCriHandle1 = {"Handle All Instance of a Char/Str :: No", false};
    out.LabelCriHandle2.text.clear();
  }
  if (!c.InsertPlace.empty()) ++count;
  if (!c.ReplacePlace.empty()) ++count;
  if (!c.RemovePlace.empty()) ++count;
  if (!c.AutoKind.empty()) ++count;
  if (c.DateOn) ++count;
  out.LabelCriInsert = {InsertLine(c), c.InsertOn};
  out.LabelCriReplace = {ReplaceLine(c), c.ReplaceOn};
  out.LabelCriRemove = {RemoveLine(c), c.RemoveOn};
  out.LabelCriAuto1 = {AutoFirstLine(c), c.AutoOn};
  out.LabelCriAuto2.text = AutoSecondLine(c);
  out.LabelCriDate = c.DateOn ? SummaryLabel{DateLine(c), true} : SummaryLabel{};
  out.LabelCriShow = count < 1 ? SummaryLabel{"Rename Criteria : Not Yet Set", false}
                               : SummaryLabel{"Rename Criteria :", true};
  s.rename.CriteriaSetCount = count;
}

View CriteriaSummaryView(const Session& s) {
  const CriteriaSummary& c = s.rename.summary;
  const std::pair<const char*, const SummaryLabel*> labels[] = {
      {"LabelCriShow", &c.LabelCriShow},       {"LabelCriChgCase", &c.LabelCriChgCase},
      {"LabelCriChgExt", &c.LabelCriChgExt},   {"LabelCriRmvSpace", &c.LabelCriRmvSpace},
      {"LabelCriHandle1", &c.LabelCriHandle1}, {"LabelCriHandle2", &c.LabelCriHandle2},
      {"LabelCriInsert", &c.LabelCriInsert},   {"LabelCriReplace", &c.LabelCriReplace},
      {"LabelCriRemove", &c.LabelCriRemove},   {"LabelCriAuto1", &c.LabelCriAuto1},
      {"LabelCriAuto2", &c.LabelCriAuto2},     {"LabelCriDate", &c.LabelCriDate},
  };
  View v;
  for (const auto& [name, label] : labels) {
    v[name].text = label->text;
    v[name].colour = label->on ? kBlue : kDefaultColour;
    v[name].visible = !label->text.empty();
  }
  return v;
}

}  // namespace quillon
