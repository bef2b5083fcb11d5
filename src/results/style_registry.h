#pragma once

#include "results/memo_styler.h"

#include <QPointer>

#include <string>
#include <string_view>
#include <vector>

class QObject;

namespace fif {

// The style registry: the window's syntax styles, one per Description, sorted by
// Description, and the choice of a style by file extension. It lives in this module, is
// built once when the window is created and released when it closes; all of it runs on
// the user-interface thread.

// One registry entry: a style's Description, taken when it was registered, and the style,
// which the registry refers to without owning it. The pointer turns null should the style
// be destroyed by anyone else, so a release never frees it twice.
struct TStyleRegistryEntry {
    std::string Text;
    QPointer<TAdvCustomMemoStyler> Object;
};

// The registry's order of two descriptions: ASCII letters compare without case; space,
// digits and the other ASCII characters sort before all letters, and bytes outside ASCII
// after them. For the catalogue's descriptions this is the order a case-blind locale
// comparison gives. Returns <0, 0 or >0.
int CompareStyleDescriptions(std::string_view a, std::string_view b);

// Builds the registry from the styles among `owner`'s direct children (any other child is
// passed over). The children are walked from the last to the first, so of two styles with
// the same Description (compared as above) the later one is registered. The result is
// sorted once. A registry built before is dropped (its styles are left alone).
void BuildStyleRegistry(const QObject& owner);

// The first registered style, in registry order, whose Filter contains `extension` (for
// example ".pas"; the file's extension with its dot) as a plain substring, both with ASCII
// letters lower-cased. Null for an empty extension, when nothing matches, or when no
// registry exists.
TAdvCustomMemoStyler* FindStyleForExtension(std::string_view extension);

// Destroys every registered style that still exists, then the registry itself. The styles
// that were never registered stay with their owner. Nothing happens when no registry exists.
void ReleaseStyleRegistry();

// The registry's entries in order, or null when no registry exists.
const std::vector<TStyleRegistryEntry>* StyleRegistryEntries();

}  // namespace fif
