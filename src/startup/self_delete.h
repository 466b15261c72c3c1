// A running executable cannot delete its own file. SelfDelete writes a batch file into the
// temporary folder that retries the deletion until the process has ended, then deletes itself.
#pragma once

#include <string>

namespace saverkit {

inline constexpr char kSelfDeleteBatchName[] = "delme.bat";

// The batch text, six lines each ending in CR LF: "@echo off", "attrib P -r -h", ":loop",
// "del P", "if exist P goto loop", "del B". `shortPath` is the executable's short (8.3) path,
// which has no blanks; where a system gives no short names, a path with blanks is quoted, and so
// is a batch path with blanks, so that each command still names exactly one file.
std::string SelfDeleteBatch(const std::string& shortPath, const std::string& batchPath);

}  // namespace saverkit
