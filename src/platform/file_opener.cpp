#include "platform/file_opener.h"

#include "platform/code_page.h"

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
    // The path's bytes, percent-encoded: a name that is not valid UTF-8 reaches the desktop
    // as it is on disk (its escapes would otherwise turn into replacement characters).
    const std::string bytes =
        codepage::FromWide(std::u16string_view(reinterpret_cast<const char16_t*>(path.utf16()), path.size()));
    QDesktopServices::openUrl(QUrl::fromEncoded("file://" + QByteArray::fromStdString(bytes).toPercentEncoding("/")));
}

void SetFileOpenerForTesting(std::function<void(const QString&)> opener) { TestOpener() = std::move(opener); }

}  // namespace fif
