#pragma once
// The working folder: what the folder list shows and what is remembered of it.
#include <string>

#include "session/session.h"

namespace quillon {

// A folder path with "/" appended when missing.
std::string WithSeparator(const std::string& path);
// A folder path as a folder list shows it: no trailing "/" except at the root.
std::string ShownPath(std::string path);

// Points the folder list at `path` when it is an existing folder; false leaves it as it is.
bool PointFolderList(Session& s, const std::string& path);

// Records the folder list's current path as the working folder and applies the
// LastFolder rule: neither the system folder tree nor the start folder is remembered.
void NoteWorkFolder(Session& s);

// Whether `upperPath` lies in or below the system folder (case-blind; the prefix
// includes the trailing separator). An unknown system folder contains nothing.
bool InSystemTree(const Session& s, const std::string& upperPath);

}  // namespace quillon
