#include "platform/file_opener.h"

#include "platform/qt_text.h"

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
    const QByteArray bytes = QByteArray::fromStdString(BytesFromText(path));
    QDesktopServices::openUrl(QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/")));
}

void SetFileOpenerForTesting(std::function<void(const QString&)> opener) { TestOpener() = std::move(opener); }

}  // namespace fif
