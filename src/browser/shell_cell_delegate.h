#pragma once

#include <QSize>
#include <QStyledItemDelegate>

namespace fif {

// Gives every item of the file list's icon and list views the same cell, whatever its name:
// the view then lays out a folder of any size from one measure, and a long name is cut
// short inside its cell rather than taking the size of the first item's name.
class TShellCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TShellCellDelegate(QObject* parent = nullptr);

    void SetCellSize(const QSize& size) { cellSize_ = size; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QSize cellSize_;
};

}  // namespace fif
