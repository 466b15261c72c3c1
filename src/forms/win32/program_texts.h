// Where the running program's interface texts come from: the package's text block when the
// reader has an appended package, the program's "LNGDYNA" / "LNGSTATIC" resources otherwise.
#pragma once

#include "forms/form_texts.h"
#include "package/xscr.h"

namespace saverkit {

// `reader` may be null (no package at all): the resources then.
InterfaceTextSource ProgramTextSource(const XSCR* reader);

// LoadInterfaceTexts with section "FS_0": what each dialog's constructor does.
void LoadFormTexts(ComponentOwner& form, TextLines& dynamicTexts, const XSCR* reader);

}  // namespace saverkit
