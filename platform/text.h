#pragma once
// 8-bit text as the program meets it: bytes that are UTF-8 when they are valid UTF-8,
// Windows-1252 otherwise. Each text is decoded on its own.
#include <string>
#include <string_view>

namespace vx {

// True when the bytes form valid UTF-8 (ASCII included).
bool IsValidUtf8(std::string_view bytes);

// Decodes per the rule above into code points.
std::u32string DecodeText(std::string_view bytes);

// Decodes per the rule above into UTF-8, for display and for Qt.
std::string TextToUtf8(std::string_view bytes);

// Encodes code points as UTF-8.
std::string EncodeUtf8(std::u32string_view text);

// Compares two texts without regard to case: each is decoded on its own and
// compared by Unicode case folding, so "Empfänger" in either encoding matches "EMPFÄNGER".
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vx
