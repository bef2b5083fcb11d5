#pragma once

#include <QFont>
#include <QString>

namespace fif {

// The window's fonts by the names it was designed with, mapped to the installed fonts of
// the same kind and the same pixel height.
namespace fonts {

inline const QString kGulim = QStringLiteral("NanumGothic");        // a Korean sans-serif
inline const QString kTahoma = QStringLiteral("DejaVu Sans");       // a sans-serif
inline const QString kArial = QStringLiteral("Liberation Sans");    // metric twin of Arial

inline QFont Pixel(const QString& family, int pixelHeight, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace fonts
}  // namespace fif
