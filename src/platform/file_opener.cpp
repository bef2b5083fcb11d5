#include "platform/file_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace fif {
namespace {

std::function<void(const QString&)>& TestOpener() {
    static std::function<void(const QString&)> opener;
    return opener;
}

}  // namespace

void OpenWithAssociatedProgram(const QString& path) {
    if (TestOpener()) {
        TestOpener()(path);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SetFileOpenerForTesting(std::function<void(const QString&)> opener) { TestOpener() = std::move(opener); }

}  // namespace fif
