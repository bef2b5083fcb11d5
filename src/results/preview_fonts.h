#pragma once

#include "results/memo_styler.h"

#include <QFont>
#include <QString>

namespace fif {

// The viewer's fonts. The layout names Windows fonts; the metric twins of Debian's
// fonts-liberation2 take their place at the same pixel height.
inline const QString kViewerFontFamily = QStringLiteral("Liberation Mono");  // for Courier New
inline const QString kGutterFontFamily = QStringLiteral("Liberation Sans");  // for Arial
inline constexpr int kViewerFontPixels = 13;
inline constexpr int kGutterFontPixels = 11;

// A font of `pixels` character height at the layout's 96 dots per inch. Scintilla takes
// sizes in points only, so the height is given as points (a pixel is 3/4 point there);
// on a denser screen the text grows with the screen, as the layout's sizes do.
QFont ViewerFont(const QString& family, int pixels);

// The installed font for a style element's font: its name mapped to the twin installed
// here, its height (negative: character height in pixels) and its bold and italic.
QFont FontForStyle(const TMemoFont& font);

}  // namespace fif
