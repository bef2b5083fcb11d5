#include "app/dock_splitter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace fif {

TcxSplitter::TcxSplitter(Qt::Orientation orientation, bool collapseHandle, QWidget* parent)
    : QSplitter(orientation, parent), collapseHandle_(collapseHandle) {
    setHandleWidth(kThickness);
    setOpaqueResize(false);
    setChildrenCollapsible(false);
}

void TcxSplitter::SetParts(QWidget* region, QWidget* rest, int regionSize) {
    addWidget(region);
    addWidget(rest);
    SetRegionMinimum(kMinimumRegion);
    if (orientation() == Qt::Horizontal)
        rest->setMinimumWidth(kMinimumRegion);
    else
        rest->setMinimumHeight(kMinimumRegion);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    const int total = orientation() == Qt::Horizontal ? width() : height();
    setSizes({regionSize, std::max(total - regionSize - kThickness, kMinimumRegion)});
}

void TcxSplitter::SetRegionMinimum(int size) {
    if (orientation() == Qt::Horizontal)
        widget(0)->setMinimumWidth(size);
    else
        widget(0)->setMinimumHeight(size);
}

void TcxSplitter::ToggleRegion() {
    if (!collapsed_) {
        sizeBeforeCollapse_ = sizes().value(0);
        SetRegionMinimum(0);
        setCollapsible(0, true);
        const QList<int> now = sizes();
        setSizes({0, now.value(0) + now.value(1)});
        collapsed_ = true;
    } else {
        const QList<int> now = sizes();
        const int total = now.value(0) + now.value(1);
        SetRegionMinimum(kMinimumRegion);
        setCollapsible(0, false);
        setSizes({sizeBeforeCollapse_, std::max(total - sizeBeforeCollapse_, kMinimumRegion)});
        collapsed_ = false;
    }
}

int TcxSplitter::LegalPosition(int position) const {
    const int total = orientation() == Qt::Horizontal ? width() : height();
    return std::clamp(position, kMinimumRegion, std::max(kMinimumRegion, total - kThickness - kMinimumRegion));
}

void TcxSplitter::MoveRegionEdge(int position) {
    if (collapsed_) {
        SetRegionMinimum(kMinimumRegion);
        setCollapsible(0, false);
        collapsed_ = false;
    }
    const QList<int> now = sizes();
    const int total = now.value(0) + now.value(1);
    const int region = LegalPosition(position);
    setSizes({region, std::max(total - region, kMinimumRegion)});
}

QSplitterHandle* TcxSplitter::createHandle() { return new TcxSplitterHandle(orientation(), this); }

TcxSplitterHandle::TcxSplitterHandle(Qt::Orientation orientation, TcxSplitter* parent)
    : QSplitterHandle(orientation, parent), splitter_(parent) {
    setFocusPolicy(Qt::NoFocus);
}

QRect TcxSplitterHandle::CollapseZone() const {
    if (!splitter_->HasCollapseHandle()) return {};
    const int length = 40;
    if (orientation() == Qt::Horizontal) return QRect(0, (height() - length) / 2, width(), length);
    return QRect((width() - length) / 2, 0, length, height());
}

int TcxSplitterHandle::Along(const QPoint& point) const {
    return orientation() == Qt::Horizontal ? point.x() : point.y();
}

void TcxSplitterHandle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect zone = CollapseZone();
    if (zone.isNull()) return;
    // A simple hot zone: a darker strip with a small arrow pointing the way it will go.
    painter.fillRect(zone.adjusted(1, 1, -1, -1), palette().color(QPalette::Mid));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(palette().color(QPalette::WindowText));
    const QPointF c = QRectF(zone).center();
    const bool collapsed = splitter_->RegionCollapsed();
    const double d = 2.5;
    QPolygonF arrow;
    if (orientation() == Qt::Horizontal)
        arrow << QPointF(c.x() + (collapsed ? -d : d), c.y() - d * 1.5) << QPointF(c.x() + (collapsed ? -d : d), c.y() + d * 1.5)
              << QPointF(c.x() + (collapsed ? d : -d), c.y());
    else
        arrow << QPointF(c.x() - d * 1.5, c.y() + (collapsed ? -d : d)) << QPointF(c.x() + d * 1.5, c.y() + (collapsed ? -d : d))
              << QPointF(c.x(), c.y() + (collapsed ? d : -d));
    painter.drawPolygon(arrow);
}

void TcxSplitterHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    moved_ = false;
    pressAt_ = event->position().toPoint();
    grabOffset_ = Along(pressAt_);
    dragPosition_ = Along(mapToParent(QPoint(0, 0)));
    grabKeyboard();  // for Esc
}

void TcxSplitterHandle::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) return;
    const QPoint at = event->position().toPoint();
    if (!moved_ && (at - pressAt_).manhattanLength() < 3) return;
    moved_ = true;
    dragPosition_ = splitter_->LegalPosition(Along(mapToParent(at)) - grabOffset_);
    splitter_->ShowDragLine(dragPosition_);
}

void TcxSplitterHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_ || event->button() != Qt::LeftButton) return;
    const bool moved = moved_;
    EndDrag();
    if (moved)
        splitter_->MoveRegionEdge(dragPosition_);
    else if (CollapseZone().contains(pressAt_))
        splitter_->ToggleRegion();
    update();
}

void TcxSplitterHandle::keyPressEvent(QKeyEvent* event) {
    if (pressed_ && event->key() == Qt::Key_Escape) {
        EndDrag();
        return;
    }
    QSplitterHandle::keyPressEvent(event);
}

void TcxSplitterHandle::EndDrag() {
    pressed_ = false;
    moved_ = false;
    releaseKeyboard();
    splitter_->ShowDragLine(-1);
}

}  // namespace fif
