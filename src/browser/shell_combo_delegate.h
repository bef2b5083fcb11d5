#pragma once

#include <QStyledItemDelegate>

namespace fif {

// Draws the path combo's drop-down as an outline: each item indented by its depth (the
// kDepthRole of the item), all items of one fixed height.
class TShellComboDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kDepthRole = Qt::UserRole + 1;

    TShellComboDelegate(int itemHeight, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int itemHeight_;
};

}  // namespace fif
