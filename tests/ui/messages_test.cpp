// The message catalogue, the show operations and the follow-ups of the answers.
#include "ui/messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "session/session.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"
#include "ui/message_catalogue.h"

namespace quillon {
namespace {

using testing::FakeUi;
using testing::NullFileServices;

class MessagesTest : public ::testing::Test {
 protected:
  MessageReply Reply(bool ok, bool check = false, std::string input = "") {
    return MessageReply{ok, check, std::move(input)};
  }
  const MessageWindowContent& Shown() {
    EXPECT_EQ(ui.messages.size(), 1u);
    return ui.messages.back();
  }

  NullFileServices files;
  PosixEnvironment env;
  Session s{files, env};
  FakeUi ui;
};

// --- The catalogues ------------------------------------------------------------------

struct CatalogueRow {
  const char* key;
  const char* buttons;
  const char* input;
  const char* fragment;
};

const std::vector<CatalogueRow> kKeyRows = {
    {"MessageFisrtTimeMode", "OK", "", "Box to set the Program in Review Mode.\r\n\r\nAlso while"},
    {"MessageReviewModeOn", "OK", "", "If you really want to Rename then please turn off"},
    {"MessageBypassingSystemRigidity", "OK", "", "Working in System folder is not allowed."},
    {"MessageDriveNotReady", "OK", "", "The Drive you are trying to select is not ready."},
    {"MessageSourceDestSame", "OK", "", "Action | Set Destination."},
    {"MessageFolderNameSame", "OK", "", "already have a Folder with same name"},
    {"MessageReplaceMultiName", "OK", "", "Your Replace option will be set to No Replace."},
    {"MessageMultiNameRenOK", "YesNo", "", "selected.\r\n\r\nDo you want to set Auto option?"},
    {"MessageAutoLetterImpossible", "OK", "", "Auto Letter will coninue upto :: "},
    {"MessageNewNameChars", "OK", "", "3. Underscore : _\r\n4. Digits : 0 to 9\r\n5. Alphabets"},
    {"MessageOldUndoExist", "YesNo", "InputCheck", "Do you want to continue."},
    {"MessageUndoResetsFile", "OK", "", "most probaly will change or get undone"},
    {"MessageSingleActionError", "OK", "", "The requested action can not be taken."},
    {"MessageSingleConflictName", "OK", "", "name includes extension too."},
    {"MessageSingleConflictRenMove", "OK", "", "existing file in the Destination Folder. Please"},
    {"MessageSingleConflictMove", "OK", "", "To Copy or Move select a different Folder please."},
    {"MessageHelpShow", "YesNo", "", "Help is not ready yet.\r\n\r\nYou can always view"},
};

const std::vector<CatalogueRow> kStartupRows = {
    {"MessageNeedSriptRuntime", "OK", "", "need to run it.\r\n\r\nThe installation package is"},
    {"MessageSmallScreen", "OK", "", "Screen Resolution must be 800/600 or higher."},
    {"MessageProgInSystem", "OK", "", "followings :\r\n\r\n1. Press OK to exit the Program.\r\n2."},
    {"MessageErSaveSetVost", "OK", "", "could not save your options."},
    {"MessageGetUserName", "Cancel", "Input0", "name"},
    {"MessageChangeUserName", "Cancel", "Input0", "name"},
    {"MessageIncorrectPicture", "OK", "", "picture"},
    {"MessageMustChoosePicture", "OK", "", "picture"},
    {"MessageRunHelpError", "OK", "", "Help"},
    {"MessageRunHelpSiteError", "OK", "", "web site"},
    {"MessageRunFamilyError", "OK", "", "program"},
};

std::set<std::string> KeysOf(std::span<const CatalogueMessage> catalogue) {
  std::set<std::string> keys;
  for (const CatalogueMessage& m : catalogue) keys.insert(std::string(m.key));
  return keys;
}

std::set<std::string> KeysOf(const std::vector<CatalogueRow>& rows) {
  std::set<std::string> keys;
  for (const CatalogueRow& row : rows) keys.insert(row.key);
  return keys;
}

TEST(MessageCatalogue, HoldsExactlyTheKnownKeys) {
  EXPECT_EQ(KeysOf(KeyCatalogue()), KeysOf(kKeyRows));
  EXPECT_EQ(KeyCatalogue().size(), kKeyRows.size()) << "a key is listed twice";
  EXPECT_EQ(KeysOf(StartupCatalogue()), KeysOf(kStartupRows));
  EXPECT_EQ(StartupCatalogue().size(), kStartupRows.size()) << "a key is listed twice";
}

TEST_F(MessagesTest, ShowMessageByKeyShowsEachKeyWithItsButtonsInputAndText) {
  for (const CatalogueRow& row : kKeyRows) {
    SCOPED_TRACE(row.key);
    ui.messages.clear();
    s.message.MessageKey = row.key;
    ShowMessageByKey(s, ui);
    const MessageWindowContent& shown = Shown();
    EXPECT_EQ(shown.buttons, row.buttons);
    EXPECT_EQ(shown.input, row.input);
    EXPECT_NE(shown.text.find(row.fragment), std::string::npos) << shown.text;
    EXPECT_EQ(shown.text.find('{'), std::string::npos) << "placeholder left: " << shown.text;
  }
}

TEST_F(MessagesTest, ShowStartupMessageShowsEachKeyWithItsButtonsInputAndText) {
  for (const CatalogueRow& row : kStartupRows) {
    SCOPED_TRACE(row.key);
    ui.messages.clear();
    s.message.MessageKey = row.key;
    ShowStartupMessage(s, ui);
    const MessageWindowContent& shown = Shown();
    EXPECT_EQ(shown.buttons, row.buttons);
    EXPECT_EQ(shown.input, row.input);
    EXPECT_NE(shown.text.find(row.fragment), std::string::npos) << shown.text;
  }
}

TEST_F(MessagesTest, ReviewModeOnNamesTheCurrentAction) {
  s.state.ActionName = "Copy";
  s.message.MessageKey = "MessageReviewModeOn";
  ShowMessageByKey(s, ui);
  EXPECT_EQ(Shown().text,
            "You are running the Program in Review Mode. If you really want to Copy then please "
            "turn off Review Mode first.\r\n\r\nTo do that please press Action button and then "
            "uncheck the Review Mode Check Box.");
}

TEST_F(MessagesTest, SourceDestSameNamesTheCurrentAction) {
  s.state.ActionName = "Move And Rename";
  s.message.MessageKey = "MessageSourceDestSame";
  ShowMessageByKey(s, ui);
  EXPECT_EQ(Shown().text,
            "You have selected to Move And Rename files.\r\n\r\nFor this action Source and "
            "Destination folder must be different. Please change your Destination folder by "
            "pressing Action | Set Destination.");
}

TEST_F(MessagesTest, AutoLetterImpossibleShowsTheFiguresAndOkZeroesTheCapacity) {
  s.state.ActionName = "Rename";
  s.state.SelectedCount = 3;
  std::int16_t capacity = 2;
  ShowAutoLetterImpossible(s, ui, "ZY", "ZZ", capacity);
  EXPECT_EQ(Shown().text,
            "Your selected starting Auto Letter Is :: ZY\r\n"
            "Auto Letter will coninue upto :: ZZ\r\n\r\n"
            "Maximum file names in which Auto Letter can be inserted is :: 2\r\n"
            " Total number of selected file for Rename is :: 3\r\n\r\n"
            "Auto Letter is possible from AAA to ZZZ or aaa to zzz.\r\n"
            "Please change starting Auto Letter or select a fewer files to continue.");
  EXPECT_EQ(capacity, 0);
  EXPECT_EQ(s.message.MessageKey, "");
  EXPECT_EQ(s.message.AutoLetterStart, "");
}

TEST_F(MessagesTest, ClosingAnOkOnlyWindowCountsAsOk) {
  ui.answers.push_back(Reply(false));
  std::int16_t capacity = 2;
  ShowAutoLetterImpossible(s, ui, "a", "z", capacity);
  EXPECT_EQ(capacity, 0);
}

TEST_F(MessagesTest, AKeyOutsideTheCatalogueShowsNothing) {
  struct Row {
    const char* name;
    Answer (*show)(Session&, UserInterface&);
    const char* key;
  };
  const Row rows[] = {
      {"unknown_by_key", ShowMessageByKey, "MessageNoSuchThing"},
      {"empty_by_key", ShowMessageByKey, ""},
      {"startup_key_by_key", ShowMessageByKey, "MessageSmallScreen"},
      {"unknown_startup", ShowStartupMessage, "MessageNoSuchThing"},
      {"by_key_key_at_startup", ShowStartupMessage, "MessageReviewModeOn"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    s.message.MessageKey = row.key;
    row.show(s, ui);
    EXPECT_TRUE(ui.messages.empty());
  }
}

// --- Ready messages --------------------------------------------------------------------

TEST_F(MessagesTest, ReadyMessagesGetTheirPrefixAndButtons) {
  struct Row {
    const char* key;
    const char* buttons;
    const char* text;
  };
  const Row rows[] = {
      {"MessageReadyOnlyDigit", "OK", "Only Digits 0 to 9 is allowed.\r\n\r\nX"},
      {"MessageReadyOnlyAlpha", "OK", "Only Alphabets A to Z or a to z is allowed.\r\n\r\nX"},
      {"MessageReadyIncompleteRen", "YesNo", "X"},
      {"MessageReadyFoundConflict", "OKCancel", "X"},
      {"MessageReadyIncludeSpace", "OK", "X"},
      {"MessageOnlyReadyMsg", "OK", "X"},
      {"MessageNoLeadingZero", "OK", "X"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.key);
    ui.messages.clear();
    s.message.MessageKey = row.key;
    s.message.MessageReadyText = "X";
    ShowReadyMessage(s, ui);
    EXPECT_EQ(Shown().buttons, row.buttons);
    EXPECT_EQ(Shown().input, "");
    EXPECT_EQ(Shown().text, row.text);
  }
}

TEST_F(MessagesTest, ReadyTextIsShownAsItIsWithoutPlaceholders) {
  s.message.MessageKey = "MessageOnlyReadyMsg";
  s.message.MessageReadyText = "Name {action} stays";
  ShowReadyMessage(s, ui);
  EXPECT_EQ(Shown().text, "Name {action} stays");
}

// --- Head line and caption -------------------------------------------------------------

TEST_F(MessagesTest, HeadAndCaptionFollowTheNickname) {
  struct Row {
    const char* name;
    const char* nickname;
    const char* head;
    const char* caption;
  };
  const Row rows[] = {
      {"empty", "", "Buddy", "Quillon Message"},
      {"buddy", "Buddy", "Buddy", "Quillon Message"},
      {"named", "Jan", "Jan", "Message For - Jan"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ui.messages.clear();
    s.message.UserNickname = row.nickname;
    s.message.MessageKey = "MessageDriveNotReady";
    ShowMessageByKey(s, ui);
    EXPECT_EQ(Shown().head, row.head);
    EXPECT_EQ(Shown().caption, row.caption);
  }
}

TEST_F(MessagesTest, EveryShowOperationHeadsWithTheNickname) {
  s.message.UserNickname = "Jan";
  s.message.MessageKey = "MessageOnlyReadyMsg";
  ShowReadyMessage(s, ui);
  s.message.MessageKey = "MessageSmallScreen";
  ShowStartupMessage(s, ui);
  s.message.MessageKey = "Bug-Quillon-ActionDoRename";
  ShowErrorReport(s, ui);
  ASSERT_EQ(ui.messages.size(), 3u);
  for (const MessageWindowContent& shown : ui.messages) EXPECT_EQ(shown.head, "Jan");
}

// --- Error report -----------------------------------------------------------------------

TEST_F(MessagesTest, ErrorReportNamesTheSupportAddressAndTheTagAfterABlankLine) {
  s.message.MessageKey = "Bug-Quillon-ActionDoRename";
  ShowErrorReport(s, ui);
  EXPECT_EQ(Shown().text,
            "There was some error.\r\nIt will be helpful if you please report it to " +
                SupportAddress() +
                " . Just include the following message in your email :\r\n\r\n"
                "Bug-Quillon-ActionDoRename");
  EXPECT_EQ(Shown().buttons, "OK");
  EXPECT_EQ(Shown().input, "");
  EXPECT_EQ(s.message.MessageKey, "");
}

// --- Follow-ups --------------------------------------------------------------------------

TEST_F(MessagesTest, AnswersReturnTheirReplyCode) {
  struct Row {
    const char* name;
    Answer (*show)(Session&, UserInterface&);
    const char* key;
    bool ok;
    const char* answer;
  };
  const Row rows[] = {
      {"incomplete_yes", ShowReadyMessage, "MessageReadyIncompleteRen", true, "CriteriaSetAgain"},
      {"incomplete_no", ShowReadyMessage, "MessageReadyIncompleteRen", false, ""},
      {"equals_text_ok", ShowReadyMessage, "MessageMsgEqualsTxt", true, "CriteriaSetAgain"},
      {"help_yes", ShowMessageByKey, "MessageHelpShow", true, "GoToWebSite"},
      {"help_no", ShowMessageByKey, "MessageHelpShow", false, ""},
      {"old_undo_yes", ShowMessageByKey, "MessageOldUndoExist", true, "ActionContinue"},
      {"old_undo_no", ShowMessageByKey, "MessageOldUndoExist", false, ""},
      {"multi_name_yes", ShowMessageByKey, "MessageMultiNameRenOK", true, ""},
      {"multi_name_no", ShowMessageByKey, "MessageMultiNameRenOK", false, "SetRenameABOKAgain"},
      {"conflict_ok", ShowReadyMessage, "MessageReadyFoundConflict", true, ""},
      {"plain_ok", ShowMessageByKey, "MessageDriveNotReady", true, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    s.message.MessageKey = row.key;
    ui.answers.push_back(Reply(row.ok));
    const Answer answer = row.show(s, ui);
    EXPECT_EQ(answer.ok, row.ok);
    EXPECT_EQ(answer.code, row.answer);
  }
}

TEST_F(MessagesTest, OldUndoExistShowsTheBoxAndStoresItsStateOnEitherAnswer) {
  struct Row {
    const char* name;
    bool before;
    bool ticked;
    bool ok;
  };
  const Row rows[] = {
      {"tick_and_no", false, true, false},
      {"tick_and_yes", false, true, true},
      {"untick_and_no", true, false, false},
      {"leave_unticked_and_yes", false, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ui.messages.clear();
    s.options.NoUndoWarning = row.before;
    s.options.NoUndoWarningPending = row.before;
    s.message.MessageKey = "MessageOldUndoExist";
    ui.answers.push_back(Reply(row.ok, row.ticked));
    ShowMessageByKey(s, ui);
    EXPECT_EQ(Shown().checkDoNotShow, row.before);
    EXPECT_EQ(s.options.NoUndoWarning, row.ticked);
    EXPECT_EQ(s.options.NoUndoWarningPending, row.ticked);
  }
}

TEST_F(MessagesTest, TheBoxChangesNothingForOtherMessages) {
  s.options.NoUndoWarning = false;
  s.options.NoUndoWarningPending = false;
  s.message.MessageKey = "MessageHelpShow";
  ui.answers.push_back(Reply(true, true));
  ShowMessageByKey(s, ui);
  EXPECT_FALSE(s.options.NoUndoWarning);
  EXPECT_FALSE(s.options.NoUndoWarningPending);
}

TEST_F(MessagesTest, AnOnlyOKMessageAnswersOKHoweverItWasClosed) {
  s.message.MessageKey = "MessageDriveNotReady";
  ui.answers.push_back(Reply(false));
  EXPECT_TRUE(ShowMessageByKey(s, ui).ok);
  EXPECT_EQ(s.message.MessageKey, "");
}

TEST_F(MessagesTest, AKeyOutsideTheCatalogueAnswersNo) {
  EXPECT_FALSE(ShowMessage(s, ui, "MessageNoSuchThing").ok);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MessagesTest, NicknameQuestionsStoreTheTypedName) {
  struct Row {
    const char* name;
    const char* key;
    MessageReply reply;
    const char* nickname;
  };
  const Row rows[] = {
      {"get_ok", "MessageGetUserName", {true, false, "Jan"}, "Jan"},
      {"get_cancel", "MessageGetUserName", {false, false, "Jan"}, "Buddy"},
      {"change_ok", "MessageChangeUserName", {true, false, "Eva"}, "Eva"},
      {"change_cancel", "MessageChangeUserName", {false, false, "Eva"}, "Ola"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    s.message.UserNickname = "Ola";
    s.message.MessageKey = row.key;
    ui.answers.push_back(row.reply);
    ShowStartupMessage(s, ui);
    EXPECT_EQ(s.message.UserNickname, row.nickname);
  }
}

TEST_F(MessagesTest, TheMessageStateIsClearedAfterTheAnswer) {
  s.message.MessageKey = "MessageReadyIncompleteRen";
  s.message.MessageReadyText = "Two criteria are incomplete.";
  ui.answers.push_back(Reply(true));
  EXPECT_EQ(ShowReadyMessage(s, ui).code, "CriteriaSetAgain");
  EXPECT_EQ(Shown().text, "Two criteria are incomplete.");
  EXPECT_EQ(s.message.MessageKey, "");
  EXPECT_EQ(s.message.MessageReadyText, "");
  EXPECT_EQ(s.message.MessageHead, "");
  EXPECT_EQ(s.message.MessageText, "");
  EXPECT_EQ(s.message.MessageButtons, "");
  EXPECT_EQ(s.message.MessageInput, "");
}

}  // namespace
}  // namespace quillon
