#include "app/application.h"

#include "app/error_box.h"
#include "app/fonts.h"

#include <QPalette>
#include <QStyleFactory>


namespace fif {
namespace {

// The same light look everywhere, whatever theme the desktop has.
QPalette FixedPalette() {
    QPalette palette;
    const QColor buttonFace(240, 240, 240), window(255, 255, 255), text(0, 0, 0);
    palette.setColor(QPalette::Window, buttonFace);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, window);
    palette.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, buttonFace);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, window);
    palette.setColor(QPalette::PlaceholderText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    return palette;
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setPalette(FixedPalette());
    setFont(fonts::Pixel(fonts::kGulim, 13));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    // The window's handlers catch their own failures (RunHandler); this is the last net
    // for anything else.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentFailure();
    }
    return false;
}

}  // namespace fif
