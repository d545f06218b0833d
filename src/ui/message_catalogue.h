#pragma once
// The message catalogues as data: key -> button set, input and text. Texts are joined
// with CR LF; the placeholders {action}, {start}, {limit}, {capacity} and {count} are
// filled in when the message is shown.
#include <span>
#include <string>
#include <string_view>

namespace quillon {

struct CatalogueMessage {
  std::string_view key;
  std::string_view buttons;  // "OK", "Cancel", "OKCancel" or "YesNo"
  std::string_view input;    // "", "Input0" or "InputCheck"
  std::string_view text;
};

// The messages ShowMessageByKey knows.
std::span<const CatalogueMessage> KeyCatalogue();
// The messages ShowStartupMessage knows.
std::span<const CatalogueMessage> StartupCatalogue();
// The entry for key, or nullptr.
const CatalogueMessage* FindMessage(std::span<const CatalogueMessage> catalogue,
                                    std::string_view key);

// Button set of a "ready" message.
std::string_view ReadyButtons(std::string_view key);
// Text put before a "ready" message's own text, with the blank line; "" for none.
std::string_view ReadyPrefix(std::string_view key);

// Where users report errors, as the error report names it: the address the build was
// given (QUILLON_BUG_REPORT_URL), else the maintainers of the package it came in.
std::string SupportAddress();
// The error report's text for a procedure's tag.
std::string ErrorReportText(std::string_view tag);

}  // namespace quillon
