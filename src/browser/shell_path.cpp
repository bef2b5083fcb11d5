#include "browser/shell_path.h"

#include "platform/qt_text.h"

#include <sys/stat.h>

#include <string>

namespace fif::shellpath {

QByteArray Clean(const QByteArray& path, const QByteArray& base) {
    if (path.isEmpty()) return {};
    QByteArray full = path;
    if (!full.startsWith('/')) {
        if (base.isEmpty()) return {};
        full = base + '/' + full;
    }
    QList<QByteArray> parts;
    for (const QByteArray& part : full.split('/')) {
        if (part.isEmpty() || part == ".") continue;
        if (part == "..") {
            if (!parts.isEmpty()) parts.removeLast();  // ".." of the root is the root
            continue;
        }
        parts.append(part);
    }
    return '/' + parts.join('/');
}

QByteArray Join(const QByteArray& folder, const QByteArray& name) {
    if (folder.endsWith('/')) return folder + name;
    return folder + '/' + name;
}

QByteArray Parent(const QByteArray& path) {
    if (path == "/" || path.isEmpty()) return {};
    const qsizetype slash = path.lastIndexOf('/');
    if (slash <= 0) return "/";
    return path.left(slash);
}

QByteArray FileName(const QByteArray& path) {
    if (path == "/") return path;
    return path.mid(path.lastIndexOf('/') + 1);
}

bool IsUnder(const QByteArray& path, const QByteArray& base, QList<QByteArray>* rest) {
    if (base.isEmpty() || !path.startsWith(base)) return false;
    QByteArray tail = path.mid(base.size());
    if (base != "/") {
        if (!tail.isEmpty() && !tail.startsWith('/')) return false;  // "/ab" is not under "/a"
    }
    if (rest) {
        rest->clear();
        for (const QByteArray& part : tail.split('/'))
            if (!part.isEmpty()) rest->append(part);
    }
    return true;
}

bool IsFolder(const QByteArray& path) {
    struct stat info;
    return !path.isEmpty() && ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const QByteArray& path) {
    struct stat info;
    return !path.isEmpty() && ::stat(path.constData(), &info) == 0;
}

QString ToText(const QByteArray& path) { return TextFromBytes(std::string_view(path.constData(), path.size())); }

QByteArray FromText(const QString& text) { return QByteArray::fromStdString(BytesFromText(text)); }

QString DisplayName(const QByteArray& name) { return QString::fromUtf8(name); }

}  // namespace fif::shellpath
