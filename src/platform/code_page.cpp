#include "code_page.h"

namespace fif::codepage {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // U+DC80..U+DCFF carry the bytes 0x80..0xFF

// Length of the valid UTF-8 sequence at text[pos], or 0 when the bytes there are not one.
std::size_t ValidSequenceLength(std::string_view text, std::size_t pos, char32_t* code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length;
    char32_t value;
    if (lead < 0x80) {
        *code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF) return 0;
    *code = value;
    return length;
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos) {
    char32_t ignored;
    const std::size_t length = ValidSequenceLength(text, pos, &ignored);
    return length == 0 ? 1 : length;
}

std::string FromWide(std::u16string_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t code = wide[i];
        if (code >= 0xDC80 && code <= 0xDCFF) {
            out.push_back(static_cast<char>(code - kEscapeBase));
            continue;
        }
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;  // a lone surrogate that is no escape has no bytes
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

std::u16string ToWide(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t code;
        const std::size_t length = ValidSequenceLength(bytes, pos, &code);
        if (length == 0) {
            out.push_back(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[pos])));
            ++pos;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        pos += length;
    }
    return out;
}

}  // namespace fif::codepage
