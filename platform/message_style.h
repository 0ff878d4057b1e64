#pragma once

namespace vx {

// The icon of a message box: none, exclamation (style 48) or stop.
enum class MessageStyle { None, Exclamation, Stop };

}  // namespace vx
