#pragma once

#include <QSplitter>
#include <QSplitterHandle>

namespace fif {

// A splitter between a region (the first widget) and the rest, as the window's bands use
// it: the region never goes below 30 pixels; while the mouse is down the new place is shown
// as a line and taken on release; Esc during the drag cancels it. Optionally a collapse
// handle in the middle hides the region with one click and brings it back with the next.
class TcxSplitter : public QSplitter {
public:
    static constexpr int kMinimumRegion = 30;
    static constexpr int kThickness = 6;

    TcxSplitter(Qt::Orientation orientation, bool collapseHandle, QWidget* parent = nullptr);

    // Adds the region and the rest; the region keeps its size when the splitter grows.
    void SetParts(QWidget* region, QWidget* rest, int regionSize);

    bool HasCollapseHandle() const { return collapseHandle_; }
    bool RegionCollapsed() const { return collapsed_; }
    void ToggleRegion();

    // The drag, as the handle drives it; public for the handle and for tests.
    void ShowDragLine(int position) { setRubberBand(position); }
    void MoveRegionEdge(int position);
    int LegalPosition(int position) const;

protected:
    QSplitterHandle* createHandle() override;

private:
    void SetRegionMinimum(int size);

    bool collapseHandle_;
    bool collapsed_ = false;
    int sizeBeforeCollapse_ = 0;
};

// The handle of a TcxSplitter: draws the collapse grip and runs the drag.
class TcxSplitterHandle : public QSplitterHandle {
public:
    TcxSplitterHandle(Qt::Orientation orientation, TcxSplitter* parent);

    // The hot zone of the collapse handle, in the handle's coordinates.
    QRect CollapseZone() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int Along(const QPoint& point) const;
    void EndDrag();

    TcxSplitter* splitter_;
    bool pressed_ = false;
    bool moved_ = false;
    QPoint pressAt_;
    int grabOffset_ = 0;  // where in the handle the mouse took it
    int dragPosition_ = 0;
};

}  // namespace fif
