#pragma once

#include <QHeaderView>

#include <functional>

namespace fif {

// The column headers of the result list. Each header carries a filter button at its right
// end, drawn filled while that column's filter is active; a click on the button asks for
// the column's filter instead of sorting. Every mouse release over the headers is told, so
// that the list can report releases on its headers like those on its rows.
class TResultHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit TResultHeader(QWidget* parent = nullptr);

    // Tells whether a column's filter is active, for drawing its button.
    void SetFilterStateSource(std::function<bool(int column)> isFiltered);

    // The filter button of a section, in header coordinates; empty for a hidden section.
    QRect FilterButtonRect(int logicalIndex) const;

signals:
    // The filter button of `logicalIndex` was clicked; `below` is the button's rectangle
    // in global coordinates, for placing a drop-down under it.
    void FilterButtonClicked(int logicalIndex, const QRect& below);
    void MouseReleased(Qt::MouseButton button);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect ButtonRectIn(const QRect& section) const;
    int FilterButtonAt(const QPoint& pos) const;

    std::function<bool(int)> isFiltered_;
    int pressedButton_ = -1;  // the section whose filter button the mouse went down on
};

}  // namespace fif
