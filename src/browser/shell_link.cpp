#include "browser/shell_link.h"

#include "browser/shell_namespace.h"

namespace fif {

TJamShellLink::TJamShellLink(QObject* parent)
    : QObject(parent), current_(TShellPlace::Desktop(TShellNamespace::DesktopPath())) {}

void TJamShellLink::Navigate(const TShellPlace& place, QObject* source) {
    const TShellPlace normalized = TShellNamespace::Normalized(place);
    if (normalized == current_) return;
    current_ = normalized;
    emit FolderChanged(current_, source);
}

}  // namespace fif
