// UTF-8 helpers for counting and editing texts by code point. Malformed input is never
// an error for counting: every byte that is not a continuation byte starts a code point.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

int CodePointCount(std::string_view text);
// Byte offset of code point `index` (clamped to the text's end).
std::size_t ByteOffset(std::string_view text, int index);
// The code points of a well-formed UTF-8 text; none when the text is malformed.
std::optional<std::u32string> DecodeUtf8(std::string_view text);
void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace corvane
