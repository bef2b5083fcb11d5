#include "results/result_header.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

namespace fif {
namespace {

constexpr int kButtonWidth = 14;
// Room between the button and the section's edge, so that the edge stays a resize grip.
constexpr int kEdgeGap = 4;

}  // namespace

TResultHeader::TResultHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void TResultHeader::SetFilterStateSource(std::function<bool(int)> isFiltered) {
    isFiltered_ = std::move(isFiltered);
    viewport()->update();
}

QRect TResultHeader::ButtonRectIn(const QRect& section) const {
    const int width = std::min(kButtonWidth, std::max(0, section.width() - 2 * kEdgeGap));
    return QRect(section.right() - kEdgeGap - width + 1, section.top() + 2, width, std::max(0, section.height() - 4));
}

QRect TResultHeader::FilterButtonRect(int logicalIndex) const {
    if (logicalIndex < 0 || logicalIndex >= count() || isSectionHidden(logicalIndex)) return {};
    const QRect section(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex), viewport()->height());
    return ButtonRectIn(section);
}

int TResultHeader::FilterButtonAt(const QPoint& pos) const {
    const int section = logicalIndexAt(pos);
    return (section >= 0 && FilterButtonRect(section).contains(pos)) ? section : -1;
}

void TResultHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QRect button = ButtonRectIn(rect);
    // Caption and sort arrow to the left of the button, so that the button hides neither.
    painter->save();
    QHeaderView::paintSection(painter, rect.adjusted(0, 0, -(rect.right() - button.left() + 1), 0), logicalIndex);
    painter->restore();

    painter->save();
    QStyleOptionHeader background;
    initStyleOption(&background);
    background.rect = QRect(button.left(), rect.top(), rect.right() - button.left() + 1, rect.height());
    background.section = logicalIndex;
    background.position = QStyleOptionHeader::End;
    style()->drawControl(QStyle::CE_HeaderSection, &background, painter, this);

    // A small framed button, so that it does not read as the sort arrow; filled while the
    // column's filter is active.
    const bool filtered = isFiltered_ && isFiltered_(logicalIndex);
    const QPalette& colours = palette();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(filtered ? colours.color(QPalette::Highlight).darker(130) : colours.color(QPalette::Mid));
    painter->setBrush(filtered ? colours.color(QPalette::Highlight) : colours.color(QPalette::Button).lighter(108));
    painter->drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = button.adjusted(3, 4, -3, -4);
    if (filtered) {
        arrow.palette.setColor(QPalette::ButtonText, colours.color(QPalette::HighlightedText));
        arrow.palette.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    }
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, this);
    painter->restore();
}

void TResultHeader::mousePressEvent(QMouseEvent* event) {
    pressedButton_ = event->button() == Qt::LeftButton ? FilterButtonAt(event->position().toPoint()) : -1;
    if (pressedButton_ >= 0) {
        event->accept();  // neither a sort nor a resize starts on the button
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void TResultHeader::mouseMoveEvent(QMouseEvent* event) {
    if (pressedButton_ >= 0) {
        event->accept();
        return;
    }
    QHeaderView::mouseMoveEvent(event);
}

void TResultHeader::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    const int pressed = pressedButton_;
    if (pressed >= 0 && button == Qt::LeftButton) {
        pressedButton_ = -1;
        event->accept();
        if (FilterButtonAt(event->position().toPoint()) == pressed) {
            const QRect local = FilterButtonRect(pressed);
            emit FilterButtonClicked(pressed, QRect(viewport()->mapToGlobal(local.topLeft()), local.size()));
        }
    } else {
        QHeaderView::mouseReleaseEvent(event);
    }
    emit MouseReleased(button);
}

void TResultHeader::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click on the button is one more click on the button, not a sort.
    if (event->button() == Qt::LeftButton && FilterButtonAt(event->position().toPoint()) >= 0) {
        mousePressEvent(event);
        return;
    }
    QHeaderView::mouseDoubleClickEvent(event);
}

}  // namespace fif
