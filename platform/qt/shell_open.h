#pragma once
// Hands a document, a program or a web address to the desktop, as the Windows shell's "open":
// addresses and documents go to the desktop's handler; a native program or a script (ELF
// or "#!") is made executable and started on its own. When $VXBIZ_SHELL_OPEN names a
// program, that program is started with the path instead (tests see what was opened).
#include <string>

namespace vx {

// True when the handler or program could be started.
bool OpenWithShell(const std::string& pathOrUrl);

}  // namespace vx
