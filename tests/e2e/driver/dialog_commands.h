// The e2e driver's dialog commands (see RunDialogCommand for the list).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace saverkit::e2e {

// args[0] is the command, args[1] the title of the top-level window, then its arguments:
//   wait TITLE                  waits (60 s) for the window; prints its rectangle and enabled state
//   focus TITLE                 whether the window is in front, and the class of the control
//                               that has the keyboard in its thread
//   controls TITLE              lists every control window: id, class, name, text, states
//   find|state TITLE SEL        the line of one control (a combo box's with its closed field's
//                               height)
//   describe TITLE NAME         the form's own description of its component NAME
//   text TITLE SEL              a control's text (for a label or image: its caption)
//   click|dblclick TITLE SEL    presses a button (BM_CLICK) or clicks a label or image
//   select TITLE SEL ROW        chooses a combo box row as a user would
//   rect TITLE SEL              a control window's width and height
//   hint TITLE SEL              rests the mouse on the control; the text of the tooltip that
//                               shows for the form's process, or an empty line
//   key TITLE KEY               a key (Escape, Return, Tab, space, Left, ..., or a character)
//                               to the control that has the focus
// SEL is name:NAME, class:CLASS, text:TEXT, id:ID, or a bare component name. The window is
// waited for (60 s) unless `waitForWindow` is off: then a window that is not there now is not
// there (for a question that polls until a window has gone). Exit code 0 when done, 1 when the
// window or control is not there, 2 for a bad command.
int RunDialogCommand(const std::vector<std::string>& args, bool waitForWindow);

}  // namespace saverkit::e2e
