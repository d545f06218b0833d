#pragma once
// Where the program keeps what it remembers on Linux: the settings in the user's
// configuration folder, the undo journal and the windows' places in the user's state
// folder, both named "Quillon" (XDG base directories). A folder chosen by the user
// (--data-folder, or QUILLON_DATA_FOLDER) holds both.
#include <string>

#include "platform/environment.h"

namespace quillon {

struct DataPlaces {
  std::string config;  // the settings file's folder, absolute; "" without a home
  std::string state;   // the journal's folder, absolute; "" without a home
};

// `chosen` is the folder given on the command line ("" for none).
DataPlaces FindDataPlaces(Environment& env, const std::string& chosen);

// Makes `folder` and any missing folder above it, the new ones private to the user.
bool MakePrivateFolders(const std::string& folder);

}  // namespace quillon
