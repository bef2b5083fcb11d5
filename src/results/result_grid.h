#pragma once

#include "results/result_inc_search.h"
#include "search/search_host.h"

#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QTableView>

#include <string>

namespace fif {

class TResultDelegate;
class TResultFilterProxy;
class TResultHeader;
class TResultModel;

// The result list: one row per file found, with the columns "File Name" and "Path".
// The worker appends records through TResultView; the user sorts by a header click,
// filters by the values of a column with its header's filter button, focuses one whole
// row at a time with the mouse, the arrow keys or by typing the start of a name, and reads
// a cut-off cell in its tooltip. Records keep the index of the order in which they were
// appended whatever the user sorts or filters, and a row is only ever focused by the user.
class TResultGrid : public QTableView, public TResultView {
    Q_OBJECT

public:
    static constexpr int kFileNameColumn = 0;
    static constexpr int kPathColumn = 1;

    // Shown in the list's body while no row is shown.
    static const QString& NoDataText();

    explicit TResultGrid(QWidget* parent = nullptr);
    ~TResultGrid() override;

    // TResultView: `text` is in the system code page; Value() gives back exactly those bytes.
    void AppendRecord() override;
    int RecordCount() const override;
    void SetValue(int record, int item, const std::string& text) override;

    // Removes every record; afterwards no row is focused. Sorting and filters stay.
    void Clear();
    // The number of rows that pass the filters, counting the records just appended that
    // the list will show within a few milliseconds.
    int RowsShown() const;
    // Shows the records appended so far at once. The list shows new records in batches,
    // within TResultModel::kAnnounceDelayMs of their appending, to keep long searches cheap.
    void ShowAppendedRecords();
    // The record index of the focused row, or -1 when no row is focused.
    int FocusedRecord() const;
    // The bytes of item `item` (0 name, 1 folder) of record `record`; empty when out of range.
    std::string Value(int record, int item) const;

    // The font, and if valid the text colour, of the column headers.
    void SetHeaderStyle(const QFont& font, const QColor& textColor = QColor());
    // The background of the focused row while the list lacks the keyboard focus.
    void SetInactiveStyle(const QColor& background);

    // Column filters, as the header's drop-downs set them: only rows whose text in
    // `column` is one of `values` are shown.
    void SetColumnFilter(int column, const QStringList& values);
    void ClearColumnFilter(int column);
    bool IsColumnFiltered(int column) const;

    TResultHeader& Header() const { return *header_; }
    TResultFilterProxy& Proxy() const { return *proxy_; }

signals:
    // The focused row moved onto another record (-1: onto no row), whatever moved it:
    // the mouse, the keyboard, incremental search, sorting, filtering or Clear().
    void FocusedRecordChanged(int record);
    // The left mouse button was double-clicked over the rows or the empty part of the list.
    void DblClick();
    // A mouse button was released over a row, a column header or the empty part of the list.
    void MouseUp(Qt::MouseButton button);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    void ConfigureColumns();
    void WatchRowChanges();
    void CheckFocusedRecord();
    void OpenColumnFilter(int column, const QRect& below);
    static bool IsSearchCharacter(const QKeyEvent& event);
    void SearchTyped(const QString& typed);

    TResultModel* store_;
    TResultFilterProxy* proxy_;
    TResultHeader* header_;
    TResultDelegate* delegate_;
    TResultIncSearch incSearch_;
    QElapsedTimer typingClock_;
    int lastFocusedRecord_ = -1;  // the record last reported by FocusedRecordChanged
    int modelChangesRunning_ = 0;  // > 0 between an "about to" signal of the view's model and its end
};

}  // namespace fif
