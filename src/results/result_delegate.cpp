#include "results/result_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace fif {

TResultDelegate::TResultDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void TResultDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
    const bool viewHasFocus = option->widget != nullptr && option->widget->hasFocus();
    if ((option->state & QStyle::State_Selected) && !viewHasFocus && inactive_.isValid()) {
        option->palette.setColor(QPalette::Active, QPalette::Highlight, inactive_);
        option->palette.setColor(QPalette::Inactive, QPalette::Highlight, inactive_);
    }
}

bool TResultDelegate::IsTextCutOff(const QStyleOptionViewItem& option, const QModelIndex& index,
                                   const QAbstractItemView& view) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    if (cell.text.isEmpty()) return false;
    const QStyle* style = view.style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, &view);
    const QRect shown = textRect.intersected(view.viewport()->rect());
    // The style keeps this margin on either side of an item's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const int needed = cell.fontMetrics.horizontalAdvance(cell.text) + 2 * margin;
    return needed > shown.width();
}

bool TResultDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    if (IsTextCutOff(option, index, *view)) {
        QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view->viewport(), option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

}  // namespace fif
