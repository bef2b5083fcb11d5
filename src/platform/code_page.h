#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fif {

// The system code page: the byte encoding of every text the engine handles.
// Here it is the locale's, UTF-8. A double-byte code page would plug in by telling which
// bytes start a two-byte character; in UTF-8 no continuation byte can be an ASCII
// delimiter or letter, so byte-wise scanning is already correct.
namespace codepage {

// Bytes taken by the character that starts at text[pos] (at least 1, never past the end).
std::size_t CharLength(std::string_view text, std::size_t pos);

// Wide text (UTF-16) to the code page. Lone surrogates U+DC80..U+DCFF stand for the raw
// bytes 0x80..0xFF that a file name held without being valid UTF-8, so a name read from
// disk survives the round trip.
std::string FromWide(std::u16string_view wide);

// The code page to wide text, with the same escape for bytes that are not valid UTF-8.
std::u16string ToWide(std::string_view bytes);

}  // namespace codepage
}  // namespace fif
