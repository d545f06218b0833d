// The texts of every message the program shows by key.
#include "ui/message_catalogue.h"

#include <algorithm>
#include <array>

namespace quillon {
namespace {

// Shown by ShowMessageByKey.
constexpr std::array kKeyCatalogue{
    CatalogueMessage{
        "MessageFisrtTimeMode", "OK", "",
        "You can set the Program in Review Mode to check out how it works. In this mode Program "
        "will work as usual but will not take final Action on files. Please press Action button "
        "and then check the Review Mode Check Box to set the Program in Review Mode."
        "\r\n\r\n"
        "Also while working on the Program press Info button at bottom right of the Program "
        "window to view short Help on what to do next and how. This is your first use of the "
        "Program so that Help is being shown automatically. To view it always please press "
        "Options and check the Show Little Help Check Box."},
    CatalogueMessage{
        "MessageReviewModeOn", "OK", "",
        "You are running the Program in Review Mode. If you really want to {action} then please "
        "turn off Review Mode first."
        "\r\n\r\n"
        "To do that please press Action button and then uncheck the Review Mode Check Box."},
    CatalogueMessage{
        "MessageBypassingSystemRigidity", "OK", "",
        "Working in System folder is not allowed."
        "\r\n\r\n"
        "To be able to work in System Folder you need to change option by pressing Options "
        "button."},
    CatalogueMessage{"MessageDriveNotReady", "OK", "",
                     "The Drive you are trying to select is not ready."},
    CatalogueMessage{
        "MessageSourceDestSame", "OK", "",
        "You have selected to {action} files."
        "\r\n\r\n"
        "For this action Source and Destination folder must be different. Please change your "
        "Destination folder by pressing Action | Set Destination."},
    CatalogueMessage{
        "MessageFolderNameSame", "OK", "",
        "Here you already have a Folder with same name. Choose a different name please."},
    CatalogueMessage{
        "MessageReplaceMultiName", "OK", "",
        "You have selected to Replace File Name."
        "\r\n\r\n"
        "This option is not available for multiple files unless Auto Number or Auto Letter is "
        "selected."
        "\r\n\r\n"
        "Your Replace option will be set to No Replace."},
    CatalogueMessage{
        "MessageMultiNameRenOK", "YesNo", "",
        "You have selected to Replace File Name."
        "\r\n\r\n"
        "This option is not available for multiple files unless Auto Number or Auto Letter is "
        "selected."
        "\r\n\r\n"
        "Do you want to set Auto option?"},
    CatalogueMessage{"MessageAutoLetterImpossible", "OK", "",
                     "Your selected starting Auto Letter Is :: {start}"
                     "\r\n"
                     "Auto Letter will coninue upto :: {limit}"
                     "\r\n\r\n"
                     "Maximum file names in which Auto Letter can be inserted is :: {capacity}"
                     "\r\n"
                     " Total number of selected file for {action} is :: {count}"
                     "\r\n\r\n"
                     "Auto Letter is possible from AAA to ZZZ or aaa to zzz."
                     "\r\n"
                     "Please change starting Auto Letter or select a fewer files to continue."},
    CatalogueMessage{"MessageNewNameChars", "OK", "",
                     "For new name only the following characters can be used :"
                     "\r\n\r\n"
                     "1. Dollar sign : $"
                     "\r\n"
                     "2. Dash : -"
                     "\r\n"
                     "3. Underscore : _"
                     "\r\n"
                     "4. Digits : 0 to 9"
                     "\r\n"
                     "5. Alphabets"},
    CatalogueMessage{
        "MessageOldUndoExist", "YesNo", "InputCheck",
        "You still can Undo your last Action. If you continue you will not be able to Undo that "
        "any more. Do you want to continue."},
    CatalogueMessage{
        "MessageUndoResetsFile", "OK", "",
        "Current file selection most probaly will change or get undone. After this Undo if you "
        "want to continue your current action then you may have to select files again."},
    CatalogueMessage{"MessageSingleActionError", "OK", "",
                     "There was some error. The requested action can not be taken."},
    CatalogueMessage{
        "MessageSingleConflictName", "OK", "",
        "Your set new name is conflicting with name of a existing file in the Folder. Select a "
        "different name please. Please remember, name includes extension too."},
    CatalogueMessage{
        "MessageSingleConflictRenMove", "OK", "",
        "Your set new name is conflicting with the name of a existing file in the Destination "
        "Folder. Please select a different Folder or change the new name of the file."},
    CatalogueMessage{
        "MessageSingleConflictMove", "OK", "",
        "Name of the file that you are trying to Move or Copy is conflicting with an existing "
        "file in the Destination Folder. To Copy or Move select a different Folder please."},
    CatalogueMessage{
        "MessageHelpShow", "YesNo", "",
        "Help is not ready yet."
        "\r\n\r\n"
        "You can always view Little Help by pressing Info button at bottom right of main window. "
        "To view Little Help from start of program please set that option by pressing Options "
        "button."
        "\r\n\r\n"
        "There is help at web site. If you want to view Help at web site and already connected "
        "to Internet then please press Yes. Otherwise press No."},
};

// Shown by ShowStartupMessage.
constexpr std::array kStartupCatalogue{
    CatalogueMessage{
        "MessageNeedSriptRuntime", "OK", "",
        "Your machine need Microsoft Scripting Runtime update to run this Program."
        "\r\n\r\n"
        "Please download the installation package of the Program which includes all necessary "
        "files need to run it."
        "\r\n\r\n"
        "The installation package is available at the Quillon home page: " QUILLON_HOMEPAGE},
    CatalogueMessage{
        "MessageSmallScreen", "OK", "",
        "To run the Program Screen Resolution must be 800/600 or higher."
        "\r\n\r\n"
        "To set Screen Resolution right click on an empty area of your Desktop, select "
        "Properties and then click on Settings."},
    CatalogueMessage{"MessageProgInSystem", "OK", "",
                     "The Program will not run from inside System Folder. Please do the "
                     "followings :"
                     "\r\n\r\n"
                     "1. Press OK to exit the Program."
                     "\r\n"
                     "2. Copy Quillon.exe to a different Folder outside System Folder."
                     "\r\n"
                     "3. Delete Quillon.exe from within System Folder."
                     "\r\n"
                     "4. Run Quillon.exe that you copied on step 2."},
    CatalogueMessage{"MessageErSaveSetVost", "OK", "",
                     "There was an error, could not save your options."},

    // Side features: the nickname, the picture, the help program, the web site and the
    // panel of programs installed beside this one.
    CatalogueMessage{"MessageGetUserName", "Cancel", "Input0",
                     "Please type the name by which you would like to be addressed."},
    CatalogueMessage{"MessageChangeUserName", "Cancel", "Input0",
                     "Please type the new name by which you would like to be addressed."},
    CatalogueMessage{"MessageIncorrectPicture", "OK", "",
                     "The chosen file is not a picture that can be shown. Please choose a "
                     "different picture."},
    CatalogueMessage{"MessageMustChoosePicture", "OK", "", "Please choose a picture first."},
    CatalogueMessage{"MessageRunHelpError", "OK", "", "The Help program could not be started."},
    CatalogueMessage{"MessageRunHelpSiteError", "OK", "",
                     "The web site could not be opened. Please check that a web browser is "
                     "installed."},
    CatalogueMessage{"MessageRunFamilyError", "OK", "",
                     "The chosen program could not be started. Please check that it is "
                     "installed beside this Program."},
};

}  // namespace

std::span<const CatalogueMessage> KeyCatalogue() {
  return kKeyCatalogue;
}

std::span<const CatalogueMessage> StartupCatalogue() {
  return kStartupCatalogue;
}

const CatalogueMessage* FindMessage(std::span<const CatalogueMessage> catalogue,
                                    std::string_view key) {
  auto found = std::find_if(catalogue.begin(), catalogue.end(),
                            [key](const CatalogueMessage& m) { return m.key == key; });
  return found == catalogue.end() ? nullptr : &*found;
}

std::string_view ReadyButtons(std::string_view key) {
  if (key == "MessageReadyIncompleteRen" || key == "MessageInterruptedJob") return "YesNo";
  if (key == "MessageReadyFoundConflict") return "OKCancel";
  return "OK";
}

std::string_view ReadyPrefix(std::string_view key) {
  if (key == "MessageReadyOnlyDigit") return "Only Digits 0 to 9 is allowed.\r\n\r\n";
  if (key == "MessageReadyOnlyAlpha") return "Only Alphabets A to Z or a to z is allowed.\r\n\r\n";
  return "";
}

std::string SupportAddress() {
  constexpr std::string_view kBugReportUrl = QUILLON_BUG_REPORT_URL;
  if (kBugReportUrl.empty()) return "the maintainers of your Quillon package";
  return "the Quillon issue tracker (" + std::string(kBugReportUrl) + ")";
}

std::string ErrorReportText(std::string_view tag) {
  std::string text = "There was some error.\r\nIt will be helpful if you please report it to ";
  text += SupportAddress();
  text += " . Just include the following message in your email :\r\n\r\n";
  text += tag;
  return text;
}

}  // namespace quillon
