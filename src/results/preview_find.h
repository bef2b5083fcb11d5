#pragma once

#include "search/text_match.h"

#include <cstddef>
#include <string_view>

namespace fif {

// The first occurrence of `pattern` in `text` at or after `from` that begins a character
// of the system code page; occurrences that begin on a trail byte of a multi-byte
// character are passed over. `from` must begin a character. Returns npos when there is
// none. `text` may hold many lines: the pattern holds no line end, so no occurrence
// crosses one.
std::size_t FindAtCharacterStart(const FoldedPattern& pattern, std::string_view text, std::size_t from);

}  // namespace fif
