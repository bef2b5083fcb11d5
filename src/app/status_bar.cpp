#include "app/status_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSizeGrip>

#include <cmath>

namespace fif {

TcxProgressBar::TcxProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(true);
    setFormat(QStringLiteral("%p%"));
    setAlignment(Qt::AlignCenter);
    SetMin(0);
    SetMax(100);
    SetPosition(0);
}

void TcxProgressBar::SetMin(double value) {
    min_ = value;
    Show();
}

void TcxProgressBar::SetMax(double value) {
    max_ = value;
    Show();
}

void TcxProgressBar::SetPosition(double value) {
    position_ = value;
    Show();
}

void TcxProgressBar::Show() {
    // QProgressBar counts in ints and treats an empty range as "busy"; a range of one
    // candidate is a finished bar of width zero here, shown as 0 to 1.
    const int low = static_cast<int>(std::lround(min_));
    const int high = std::max(static_cast<int>(std::lround(max_)), low + 1);
    setRange(low, high);
    setValue(std::clamp(static_cast<int>(std::lround(position_)), low, high));
}

TdxStatusBar::TdxStatusBar(QLineEdit* pathBox, TcxProgressBar* progressBar, QWidget* parent) : QFrame(parent) {
    setFixedHeight(kHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->setSpacing(2);  // the separator between neighbouring panels
    const int widths[4] = {50, 100, 100, 300};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QFrame(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(1);
        auto* inside = new QHBoxLayout(panel);
        inside->setContentsMargins(1, 1, 1, 1);
        inside->setSpacing(0);
        if (i == 1) {
            panel->setMinimumWidth(20);
            inside->addWidget(pathBox);
            layout->addWidget(panel, 1);
        } else {
            panel->setFixedWidth(widths[i]);
            if (i == 3) {
                inside->addWidget(progressBar);
            } else {
                texts_[i] = new QLabel(panel);
                texts_[i]->setTextFormat(Qt::PlainText);
                inside->addWidget(texts_[i]);
            }
            layout->addWidget(panel, 0);
        }
        panels_[i] = panel;
    }
    layout->addWidget(new QSizeGrip(this), 0, Qt::AlignBottom | Qt::AlignRight);
}

void TdxStatusBar::SetPanelText(int index, const QString& text) {
    if (texts_[index]) texts_[index]->setText(text);
}

QString TdxStatusBar::PanelText(int index) const { return texts_[index] ? texts_[index]->text() : QString(); }

}  // namespace fif
