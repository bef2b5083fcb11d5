#pragma once

#include "search/search_host.h"

#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>

class QLabel;

namespace fif {

// The search's progress bar. Holds the values the search set, as numbers, and shows them
// as a percentage. A range without width (one candidate) shows as empty, not as "busy".
class TcxProgressBar : public QProgressBar, public TProgressBar {
public:
    explicit TcxProgressBar(QWidget* parent = nullptr);

    void SetMin(double value) override;
    void SetMax(double value) override;
    void SetPosition(double value) override;

    double Min() const { return min_; }
    double Max() const { return max_; }
    double Position() const { return position_; }

private:
    void Show();

    double min_ = 0, max_ = 100, position_ = 0;
};

// The status bar: four panels addressed by index, each with a lowered bevel, and a size
// grip at the right end. 0 and 2 hold texts; 1 hosts the path box, which takes the width
// the others leave; 3 hosts the progress bar.
class TdxStatusBar : public QFrame {
public:
    static constexpr int kHeight = 20;

    TdxStatusBar(QLineEdit* pathBox, TcxProgressBar* progressBar, QWidget* parent = nullptr);

    void SetPanelText(int index, const QString& text);
    QString PanelText(int index) const;
    QWidget* Panel(int index) const { return panels_[index]; }

private:
    QFrame* panels_[4];
    QLabel* texts_[4] = {};
};

}  // namespace fif
