#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace fif {

// Incremental search over the rows of a list: the characters typed in a quick run form a
// prefix, and the first row (in the order shown) whose text starts with it, ASCII letters
// compared without case, is the one to focus. A pause longer than the typing interval or
// Reset() starts a new prefix. A character that would leave no row matching is dropped, so
// the prefix always names the row that was found.
class TResultIncSearch {
public:
    explicit TResultIncSearch(int pauseMs);

    // The user typed `typed` at `nowMs` (a monotonic clock). `textOfRow(row)` gives the
    // searched text of each of `rowCount` rows. Returns the row to focus, or -1.
    int Type(const QString& typed, qint64 nowMs, int rowCount, const std::function<QStringView(int)>& textOfRow);

    void Reset();
    const QString& Prefix() const { return prefix_; }

    // True when `text` starts with `prefix`, only the 26 ASCII letters compared without case.
    static bool StartsWithAsciiFolded(QStringView text, QStringView prefix);

private:
    const int pauseMs_;
    QString prefix_;
    qint64 lastTypedMs_ = 0;
};

}  // namespace fif
