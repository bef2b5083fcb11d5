#include "results/result_filter_proxy.h"

#include "results/result_model.h"
#include "search/text_match.h"

#include <algorithm>
#include <vector>

namespace fif {

TResultFilterProxy::TResultFilterProxy(TResultModel& store, QObject* parent)
    : QSortFilterProxyModel(parent), store_(store) {
    setSourceModel(&store);
    setDynamicSortFilter(true);
}

void TResultFilterProxy::SetColumnFilter(int column, const QSet<QString>& values) {
    if (!IsColumn(column)) return;
    filters_[static_cast<std::size_t>(column)] = values;
    invalidateFilter();
    emit ColumnFiltersChanged();
}

void TResultFilterProxy::ClearColumnFilter(int column) {
    if (!IsColumn(column) || !filters_[static_cast<std::size_t>(column)]) return;
    filters_[static_cast<std::size_t>(column)].reset();
    invalidateFilter();
    emit ColumnFiltersChanged();
}

bool TResultFilterProxy::IsColumnFiltered(int column) const {
    return IsColumn(column) && filters_[static_cast<std::size_t>(column)].has_value();
}

QSet<QString> TResultFilterProxy::ColumnFilter(int column) const {
    if (!IsColumnFiltered(column)) return {};
    return *filters_[static_cast<std::size_t>(column)];
}

QStringList TResultFilterProxy::DistinctValues(int column) const {
    if (!IsColumn(column)) return {};
    QSet<QString> seen;
    std::vector<int> firsts;  // the first record of each distinct text
    for (int record = 0; record < store_.RecordCount(); ++record) {
        const QString& text = store_.Text(record, column);
        if (!seen.contains(text)) {
            seen.insert(text);
            firsts.push_back(record);
        }
    }
    // The order of the column's sort, and a fixed one among values that differ in case only.
    std::sort(firsts.begin(), firsts.end(), [this, column](int a, int b) {
        const std::string_view bytesA = store_.Bytes(a, column);
        const std::string_view bytesB = store_.Bytes(b, column);
        const int folded = CompareTexts(bytesA, bytesB);
        return folded != 0 ? folded < 0 : bytesA < bytesB;
    });
    QStringList values;
    values.reserve(static_cast<qsizetype>(firsts.size()));
    for (const int record : firsts) values.append(store_.Text(record, column));
    return values;
}

int TResultFilterProxy::RecordOfRow(int row) const {
    if (row < 0 || row >= rowCount()) return -1;
    return mapToSource(index(row, 0)).row();
}

bool TResultFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    for (int column = 0; column < kColumns; ++column) {
        const auto& filter = filters_[static_cast<std::size_t>(column)];
        if (filter && !filter->contains(store_.Text(sourceRow, column))) return false;
    }
    return true;
}

int TResultFilterProxy::CompareTexts(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool TResultFilterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    // Straight from the store's bytes: a sort runs this O(n log n) times, and each row that
    // arrives while a sort is active some log n times, so nothing is built per comparison.
    return CompareTexts(store_.Bytes(left.row(), left.column()), store_.Bytes(right.row(), right.column())) < 0;
}

}  // namespace fif
