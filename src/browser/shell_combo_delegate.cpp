#include "browser/shell_combo_delegate.h"

namespace fif {
namespace {

constexpr int kIndentPerDepth = 10;

}  // namespace

TShellComboDelegate::TShellComboDelegate(int itemHeight, QObject* parent)
    : QStyledItemDelegate(parent), itemHeight_(itemHeight) {}

void TShellComboDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + index.data(kDepthRole).toInt() * kIndentPerDepth);
    QStyledItemDelegate::paint(painter, indented, index);
}

QSize TShellComboDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += index.data(kDepthRole).toInt() * kIndentPerDepth;
    size.setHeight(itemHeight_);
    return size;
}

}  // namespace fif
