#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace fif {

// Paints and explains one cell of the result list: the whole row is the unit of focus, so
// no cell gets a focus frame of its own; the focused row takes the inactive colour while
// the list lacks the keyboard focus; and a cell whose text is cut off, by its own width or
// by the edge of the list, shows its whole text as a tooltip.
class TResultDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TResultDelegate(QObject* parent = nullptr);

    // The background of the selected row while the view lacks the keyboard focus; an
    // invalid colour keeps the style's own.
    void SetInactiveColor(const QColor& color) { inactive_ = color; }
    QColor InactiveColor() const { return inactive_; }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // True when the text of `index`, laid out in `option`, does not fit the part of its
    // cell that `view` shows.
    bool IsTextCutOff(const QStyleOptionViewItem& option, const QModelIndex& index, const QAbstractItemView& view) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QColor inactive_;
};

}  // namespace fif
