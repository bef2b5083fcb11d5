#pragma once

#include <string>
#include <string_view>

namespace fif {

// The extension of a text: from its last "." to the end, when no folder separator
// ("/", "\") or drive colon (":") follows that "."; otherwise empty.
std::string_view ExtractFileExt(std::string_view text);

// True when a file of this name passes the mask: the mask's extension is ".*", or the
// name's extension equals it with ASCII case ignored. Only the mask's extension counts.
bool MatchesMask(std::string_view fileName, std::string_view maskExtension);

}  // namespace fif
