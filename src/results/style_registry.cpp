#include "results/style_registry.h"

#include "search/text_match.h"

#include <QObject>

#include <algorithm>
#include <memory>

namespace fif {

namespace {

// The module's registry; null before the build and after the release.
std::unique_ptr<std::vector<TStyleRegistryEntry>> StyleRegistry;

// A byte's rank in the registry's order: other ASCII below the letters, folded letters
// next, bytes beyond ASCII last.
int SortRank(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return 128 + (byte - 'A');
    if (byte >= 'a' && byte <= 'z') return 128 + (byte - 'a');
    if (byte < 128) return byte;
    return 256 + byte;
}

}  // namespace

int CompareStyleDescriptions(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int difference = SortRank(static_cast<unsigned char>(a[i])) -
                               SortRank(static_cast<unsigned char>(b[i]));
        if (difference != 0) return difference;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void BuildStyleRegistry(const QObject& owner) {
    auto registry = std::make_unique<std::vector<TStyleRegistryEntry>>();
    const QObjectList& children = owner.children();
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        auto* style = qobject_cast<TAdvCustomMemoStyler*>(*child);
        if (style == nullptr) continue;
        const bool known = std::any_of(registry->begin(), registry->end(), [&](const auto& entry) {
            return CompareStyleDescriptions(entry.Text, style->Description) == 0;
        });
        if (!known) registry->push_back({style->Description, style});
    }
    std::sort(registry->begin(), registry->end(), [](const auto& left, const auto& right) {
        return CompareStyleDescriptions(left.Text, right.Text) < 0;
    });
    StyleRegistry = std::move(registry);
}

TAdvCustomMemoStyler* FindStyleForExtension(std::string_view extension) {
    const std::string wanted = AsciiLowerCase(extension);
    if (!StyleRegistry || wanted.empty()) return nullptr;
    for (const TStyleRegistryEntry& entry : *StyleRegistry) {
        if (entry.Object.isNull()) continue;
        if (AsciiLowerCase(entry.Object->Filter).find(wanted) != std::string::npos) {
            return entry.Object.data();
        }
    }
    return nullptr;
}

void ReleaseStyleRegistry() {
    if (!StyleRegistry) return;
    // Taken out first, so that nothing reached from a style's destruction sees a half-freed
    // registry.
    const std::unique_ptr<std::vector<TStyleRegistryEntry>> registry = std::move(StyleRegistry);
    for (TStyleRegistryEntry& entry : *registry) delete entry.Object.data();
}

const std::vector<TStyleRegistryEntry>* StyleRegistryEntries() { return StyleRegistry.get(); }

}  // namespace fif
