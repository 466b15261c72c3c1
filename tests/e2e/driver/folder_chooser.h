// The e2e driver's hand on the shell's folder chooser ("Browse for Folder"), which a user works
// by clicking through its tree.
#pragma once

#include <string>
#include <vector>

namespace saverkit::e2e {

// choose-folder TITLE PART...: in the chooser titled TITLE, expands the tree from the desktop
// through the entries named PART... and confirms the last one with OK. When an entry is missing
// the chooser is cancelled, so nothing is written anywhere unexpected. Exit code 0 when chosen.
int ChooseFolder(const std::string& title, const std::vector<std::string>& parts);

}  // namespace saverkit::e2e
