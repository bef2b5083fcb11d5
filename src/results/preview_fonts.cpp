#include "results/preview_fonts.h"

namespace fif {
namespace {

struct TFontTwin {
    const char* windowsName;
    const char* installedName;
};

// The Windows fonts a layout names, with the metric twins that stand in for them.
constexpr TFontTwin kFontTwins[] = {
    {"Courier New", "Liberation Mono"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
};

QString InstalledFamily(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (const TFontTwin& twin : kFontTwins)
        if (wanted.compare(QLatin1String(twin.windowsName), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(twin.installedName);
    return wanted;
}

}  // namespace

QFont ViewerFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPointSizeF(pixels * 72.0 / 96.0);
    return font;
}

QFont FontForStyle(const TMemoFont& style) {
    // A positive height is a cell height, which includes the leading; the character
    // height is then about four fifths of it.
    const int pixels = style.Height < 0 ? -style.Height : (style.Height * 4 + 2) / 5;
    QFont font = ViewerFont(InstalledFamily(style.Name), pixels > 0 ? pixels : kViewerFontPixels);
    font.setBold(style.Style.testFlag(fsBold));
    font.setItalic(style.Style.testFlag(fsItalic));
    return font;
}

}  // namespace fif
