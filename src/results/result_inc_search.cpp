#include "results/result_inc_search.h"

namespace fif {
namespace {

char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

}  // namespace

TResultIncSearch::TResultIncSearch(int pauseMs) : pauseMs_(pauseMs) {}

int TResultIncSearch::Type(const QString& typed, qint64 nowMs, int rowCount,
                           const std::function<QStringView(int)>& textOfRow) {
    if (typed.isEmpty()) return -1;
    if (nowMs - lastTypedMs_ > pauseMs_) prefix_.clear();
    lastTypedMs_ = nowMs;

    const QString candidate = prefix_ + typed;
    for (int row = 0; row < rowCount; ++row) {
        if (StartsWithAsciiFolded(textOfRow(row), candidate)) {
            prefix_ = candidate;
            return row;
        }
    }
    return -1;
}

void TResultIncSearch::Reset() {
    prefix_.clear();
    lastTypedMs_ = 0;
}

bool TResultIncSearch::StartsWithAsciiFolded(QStringView text, QStringView prefix) {
    if (prefix.size() > text.size()) return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (AsciiLower(text[i].unicode()) != AsciiLower(prefix[i].unicode())) return false;
    }
    return true;
}

}  // namespace fif
