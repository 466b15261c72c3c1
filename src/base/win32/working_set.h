// Which family of Windows runs the program, and the working-set trim that the forms, the show
// and the music call after a window appears or the shown item changes.
#pragma once

namespace saverkit {

// True on the Windows NT family; false on Windows 9x.
bool IsNtPlatform();
// Asks an NT-family system to trim the working set; Windows 9x has no working sets to trim.
void TrimWorkingSet();

}  // namespace saverkit
