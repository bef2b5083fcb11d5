#pragma once

#include <QSet>
#include <QSortFilterProxyModel>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace fif {

class TResultModel;

// The user's view of the result store: sorted by a column when the user asks for it and
// filtered by the values the user has checked in a column's filter. Neither changes the
// store or a record index; the source row of a proxy row is its record index.
// Texts sort by their bytes with ASCII letters folded, the one case rule of the program;
// in UTF-8 that is the order of the characters, which puts Hangul in dictionary order.
class TResultFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit TResultFilterProxy(TResultModel& store, QObject* parent = nullptr);

    // Shows only the rows whose text in `column` is one of `values` (none when empty).
    void SetColumnFilter(int column, const QSet<QString>& values);
    // Shows every row again as far as `column` is concerned.
    void ClearColumnFilter(int column);
    bool IsColumnFiltered(int column) const;
    // The values checked in `column`'s filter; empty when it has none.
    QSet<QString> ColumnFilter(int column) const;

    // <0, 0 or >0 as `a` sorts before, with or after `b`.
    static int CompareTexts(std::string_view a, std::string_view b);

    // The distinct texts of `column` over the whole store, in the order the column sorts.
    QStringList DistinctValues(int column) const;

    // True when record `record` passes every column filter.
    bool AcceptsRecord(int record) const { return filterAcceptsRow(record, QModelIndex()); }

    // Record index of a proxy row, or -1.
    int RecordOfRow(int row) const;

signals:
    void ColumnFiltersChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    static constexpr int kColumns = 2;

    bool IsColumn(int column) const { return column >= 0 && column < kColumns; }

    TResultModel& store_;
    std::array<std::optional<QSet<QString>>, kColumns> filters_;
};

}  // namespace fif
