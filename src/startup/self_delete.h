// A running executable cannot delete its own file. SelfDelete writes a batch file into the
// temporary folder that retries the deletion until the process has ended, then deletes itself.
#pragma once

#include <string>

namespace saverkit {

inline constexpr char kSelfDeleteBatchName[] = "delme.bat";

// How often the batch tries to delete the executable, about a second apart, before it gives up
// (a preview still running from the file, a file the user may not delete): about a minute.
inline constexpr int kSelfDeleteTries = 60;

// The batch text, lines ending in CR LF: it clears the read-only and hidden attributes of P, then
// tries "del P" until P is gone or the tries run out, waiting a second between tries with ping
// (timeout needs a console, and the batch runs hidden), and deletes itself B last either way.
// Every path is quoted and its '%' doubled, so that a name with blanks, '&', '^', '(', ')' or '%'
// still names exactly that one file. `shortPath` is the executable's short (8.3) path where the
// system has short names, its long path otherwise.
std::string SelfDeleteBatch(const std::string& shortPath, const std::string& batchPath);

}  // namespace saverkit
