#pragma once

#include "results/memo_styler.h"

#include <array>
#include <cstddef>

class QObject;

namespace fif {

inline constexpr std::size_t kStyleCatalogueSize = 14;

// The window's fourteen syntax styles, in their creation order.
using TStyleCatalogue = std::array<TAdvCustomMemoStyler*, kStyleCatalogueSize>;

// Creates the fourteen styles as children of `owner`, in this order (which is also their
// order among the owner's children): AdvPascalMemoStyler1, AdvWebMemoStyler1,
// AdvHTMLMemoStyler1, AdvJSMemoStyler1, AdvBasicMemoStyler1, AdvCSSMemoStyler1,
// AdvCSharpMemoStyler1, AdvSQLMemoStyler1, AdvPythonMemoStyler1, AdvPerlMemoStyler1,
// AdvEmoticonMemoStyler1, AdvINIMemoStyler1, AdvXMLMemoStyler1, AdvPHPMemoStyler1.
// Each style's objectName is its component name. The owner destroys them with itself.
// Call it once a QGuiApplication exists, so that the system colours come from its palette.
TStyleCatalogue CreateStyleCatalogue(QObject* owner);

}  // namespace fif
