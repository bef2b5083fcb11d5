#include "results/memo_styler.h"

#include <QGuiApplication>
#include <QPalette>

namespace fif {

QColor clBackground() {
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Window);
}

QColor clInfoBk() {
    return QGuiApplication::palette().color(QPalette::Active, QPalette::ToolTipBase);
}

TAdvCustomMemoStyler::TAdvCustomMemoStyler(QObject* owner) : QObject(owner) {}

TAdvCustomMemoStyler::TAdvCustomMemoStyler(const TMemoStylerSettings& settings, QObject* owner)
    : QObject(owner), TMemoStylerSettings(settings) {}

}  // namespace fif
