// OLE for the user-interface thread, held for the life of one mode. In-place ActiveX hosting (the
// Flash movies) needs OLE on the thread that owns the control's window, and the dialogs' shell
// calls (shortcuts, Active Desktop, the folder chooser) need COM; the program must not lean on
// an apartment someone else happened to open on its thread.
#pragma once

#include <ole2.h>

namespace saverkit {

class OleSession {
 public:
  // A failed initialisation (another apartment model already chosen on the thread) is not
  // balanced: only a successful `OleInitialize` owes an `OleUninitialize`.
  OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialised_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool initialised_;
};

}  // namespace saverkit
