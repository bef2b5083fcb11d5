#include "browser/shell_namespace.h"

#include "browser/shell_icons.h"
#include "browser/shell_path.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStorageInfo>

namespace fif {

QString TShellNamespace::DesktopName() { return QStringLiteral("바탕 화면"); }
QString TShellNamespace::ComputerName() { return QStringLiteral("내 컴퓨터"); }
QString TShellNamespace::HomeName() { return QStringLiteral("홈"); }

QByteArray TShellNamespace::HomePath() {
    // The environment gives the bytes as they are; the home folder's name need not be UTF-8.
    QByteArray home = shellpath::Clean(qgetenv("HOME"));
    if (home.isEmpty()) home = shellpath::Clean(QFile::encodeName(QDir::homePath()));
    return home.isEmpty() ? QByteArray("/") : home;
}

QByteArray TShellNamespace::DesktopPath() {
    QByteArray desktop = shellpath::Clean(qgetenv("XDG_DESKTOP_DIR"));
    if (desktop.isEmpty())
        desktop = shellpath::Clean(QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)));
    if (!shellpath::IsFolder(desktop)) return HomePath();
    return desktop;
}

TShellRoot TShellNamespace::DesktopRoot() {
    return {TShellPlace::Desktop(DesktopPath()), DesktopName(), TShellIcons::Desktop()};
}

TShellRoot TShellNamespace::ComputerRoot() { return {TShellPlace::Computer(), ComputerName(), TShellIcons::Computer()}; }

TShellRoot TShellNamespace::HomeRoot() {
    return {TShellPlace::Folder(HomePath()), HomeName(), TShellIcons::Home()};
}

namespace {

std::vector<TShellRoot> ReadVolumes() {
    std::vector<TShellRoot> volumes;
    volumes.push_back({TShellPlace::Folder("/"), QStringLiteral("/"), TShellIcons::Drive()});
    QList<QByteArray> seen{"/"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QByteArray root = shellpath::Clean(QFile::encodeName(volume.rootPath()));
        // Single files mounted into a container (/etc/hosts and the like) are no volumes.
        if (root.isEmpty() || seen.contains(root) || !shellpath::IsFolder(root)) continue;
        seen.append(root);
        const QString label = volume.name().isEmpty()
                                  ? volume.rootPath()
                                  : QStringLiteral("%1 (%2)").arg(volume.name(), volume.rootPath());
        volumes.push_back({TShellPlace::Folder(root), label, TShellIcons::Drive()});
    }
    return volumes;
}

}  // namespace

// Read once: asking every mount whether it is ready can hang on a network mount that does
// not answer, and the path combo asks at every change of folder. Never destroyed, since its
// icons must not outlive the application object.
std::vector<TShellRoot> TShellNamespace::Volumes() {
    static const auto* const volumes = new std::vector<TShellRoot>(ReadVolumes());
    return *volumes;
}

std::vector<TShellRoot> TShellNamespace::VirtualChildren(const TShellPlace& place) {
    switch (place.kind) {
        case TShellPlace::Kind::Desktop:
            return {ComputerRoot(), HomeRoot()};
        case TShellPlace::Kind::Computer:
            return Volumes();
        case TShellPlace::Kind::Folder:
            break;
    }
    return {};
}

int TShellNamespace::DeepestRoot(const QByteArray& path, const std::vector<QByteArray>& roots,
                                 QList<QByteArray>* rest) {
    int best = -1;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        QList<QByteArray> below;
        if (!shellpath::IsUnder(path, roots[i], &below)) continue;
        if (best < 0 || roots[i].size() > roots[static_cast<std::size_t>(best)].size()) {
            best = static_cast<int>(i);
            if (rest) *rest = below;
        }
    }
    return best;
}

TShellPlace TShellNamespace::Normalized(const TShellPlace& place) {
    if (place.kind == TShellPlace::Kind::Folder && place.path == DesktopPath())
        return TShellPlace::Desktop(place.path);
    return place;
}

QString TShellNamespace::NameOf(const TShellPlace& place) {
    switch (place.kind) {
        case TShellPlace::Kind::Desktop:
            return DesktopName();
        case TShellPlace::Kind::Computer:
            return ComputerName();
        case TShellPlace::Kind::Folder:
            break;
    }
    return shellpath::DisplayName(shellpath::FileName(place.path));
}

QString TShellNamespace::FullText(const TShellPlace& place) {
    if (place.HasPath()) return shellpath::ToText(place.path);
    return NameOf(place);
}

}  // namespace fif
