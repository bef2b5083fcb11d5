#pragma once

#include "browser/shell_place.h"

#include <QIcon>
#include <QString>

#include <vector>

namespace fif {

// A node of the namespace above the plain folders: what it stands for, its name and icon.
struct TShellRoot {
    TShellPlace place;
    QString name;
    QIcon icon;
};

// The top of the browser's namespace on this platform: the desktop with, below it, the
// computer (the file system root and each mounted volume), the home folder, then the
// desktop folder's own sub-folders.
class TShellNamespace {
public:
    static QString DesktopName();
    static QString ComputerName();
    static QString HomeName();

    // The user's desktop folder: XDG_DESKTOP_DIR, else the desktop the desktop's user
    // folder settings name; the home folder where that folder does not exist.
    static QByteArray DesktopPath();
    static QByteArray HomePath();

    static TShellRoot DesktopRoot();
    static TShellRoot ComputerRoot();
    static TShellRoot HomeRoot();
    // The file system root, then the other mounted volumes.
    static std::vector<TShellRoot> Volumes();
    // What the desktop and the computer hold above their folders.
    static std::vector<TShellRoot> VirtualChildren(const TShellPlace& place);

    // Which of `roots` (paths) holds `path` the deepest; the first wins a tie, so the order
    // of `roots` tells which node shows a folder that several reach. -1 when none does;
    // `rest` gets the parts of `path` below the root found.
    static int DeepestRoot(const QByteArray& path, const std::vector<QByteArray>& roots, QList<QByteArray>* rest);

    // The desktop folder itself counts as the Desktop node.
    static TShellPlace Normalized(const TShellPlace& place);
    // The name of a place for display: a root's name, else the folder's last part.
    static QString NameOf(const TShellPlace& place);
    // The full path as lossless wide text, or the name for a node without a path.
    static QString FullText(const TShellPlace& place);
};

}  // namespace fif
