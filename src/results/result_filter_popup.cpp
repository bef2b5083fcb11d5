#include "results/result_filter_popup.h"

#include "results/result_filter_proxy.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

namespace fif {
namespace {

constexpr int kMinWidth = 180;
constexpr int kMaxVisibleItems = 16;

QListWidgetItem* NewCheckItem(const QString& text, Qt::CheckState state, QListWidget* list) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(state);
    return item;
}

}  // namespace

const QString& TResultFilterPopup::AllText() {
    static const QString text = QStringLiteral("(All)");
    return text;
}

TResultFilterPopup::TResultFilterPopup(TResultFilterProxy& proxy, int column, QWidget* parent)
    : QFrame(parent, Qt::Popup), proxy_(proxy), column_(column), list_(new QListWidget(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    list_->setUniformItemSizes(true);

    const bool filtered = proxy_.IsColumnFiltered(column_);
    const QSet<QString> checked = proxy_.ColumnFilter(column_);
    all_ = NewCheckItem(AllText(), Qt::Checked, list_);
    for (const QString& value : proxy_.DistinctValues(column_)) {
        NewCheckItem(value, (!filtered || checked.contains(value)) ? Qt::Checked : Qt::Unchecked, list_);
    }
    UpdateAllItem();
    list_->setCurrentItem(all_);
    connect(list_, &QListWidget::itemChanged, this, &TResultFilterPopup::OnItemChanged);
}

void TResultFilterPopup::ShowBelow(const QRect& anchor) {
    const int rowHeight = std::max(1, list_->sizeHintForRow(0));
    const int rows = std::min(list_->count(), kMaxVisibleItems);
    const int width = std::max(kMinWidth, list_->sizeHintForColumn(0) + 24);
    resize(width, rows * rowHeight + 2 * list_->frameWidth() + 2);

    QPoint topLeft(anchor.right() + 1 - this->width(), anchor.bottom() + 1);
    if (const QScreen* screen = QGuiApplication::screenAt(anchor.center())) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - this->width())));
        if (topLeft.y() + height() > area.bottom() + 1) topLeft.setY(std::max(area.top(), anchor.top() - height()));
    }
    move(topLeft);
    show();
    list_->setFocus();
}

void TResultFilterPopup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void TResultFilterPopup::OnItemChanged(QListWidgetItem* item) {
    if (updating_) return;
    if (item == all_) {
        // A click on a partly checked "(All)" checks it, and with it every value.
        SetEveryValue(all_->checkState() == Qt::Unchecked ? Qt::Unchecked : Qt::Checked);
    }
    UpdateAllItem();
    Apply();
}

void TResultFilterPopup::SetEveryValue(Qt::CheckState state) {
    updating_ = true;
    for (int row = 1; row < list_->count(); ++row) list_->item(row)->setCheckState(state);
    updating_ = false;
}

void TResultFilterPopup::UpdateAllItem() {
    int checked = 0;
    for (int row = 1; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked) ++checked;
    }
    const int values = list_->count() - 1;
    const Qt::CheckState state = checked == values ? Qt::Checked : (checked == 0 ? Qt::Unchecked : Qt::PartiallyChecked);
    updating_ = true;
    all_->setCheckState(state);
    updating_ = false;
}

void TResultFilterPopup::Apply() {
    if (all_->checkState() == Qt::Checked) {
        proxy_.ClearColumnFilter(column_);
        return;
    }
    QSet<QString> values;
    for (int row = 1; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked) values.insert(list_->item(row)->text());
    }
    proxy_.SetColumnFilter(column_, values);
}

}  // namespace fif
