#include "browser/shell_cell_delegate.h"

namespace fif {

TShellCellDelegate::TShellCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QSize TShellCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (cellSize_.isValid()) return cellSize_;
    return QStyledItemDelegate::sizeHint(option, index);
}

}  // namespace fif
