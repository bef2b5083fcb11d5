#pragma once

#include "platform/code_page.h"

#include <QString>

#include <string>
#include <string_view>

namespace fif {

// Bytes of the code page as Qt text and back, losslessly: bytes that are not valid UTF-8
// travel as U+DC80..U+DCFF (see codepage::ToWide).
inline QString TextFromBytes(std::string_view bytes) { return QString::fromStdU16String(codepage::ToWide(bytes)); }

inline std::string BytesFromText(const QString& text) {
    return codepage::FromWide(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                  static_cast<std::size_t>(text.size())));
}

}  // namespace fif
