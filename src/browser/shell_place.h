#pragma once

#include <QByteArray>
#include <QMetaType>

namespace fif {

// One place of the browser's namespace: the desktop, the computer (a node without a path)
// or a folder given by its clean raw path.
struct TShellPlace {
    enum class Kind { Desktop, Computer, Folder };

    Kind kind = Kind::Desktop;
    QByteArray path;  // the folder's path; the desktop folder for Desktop; empty for Computer

    static TShellPlace Desktop(const QByteArray& desktopPath) { return {Kind::Desktop, desktopPath}; }
    static TShellPlace Computer() { return {Kind::Computer, {}}; }
    static TShellPlace Folder(const QByteArray& folderPath) { return {Kind::Folder, folderPath}; }

    bool HasPath() const { return !path.isEmpty(); }
    friend bool operator==(const TShellPlace&, const TShellPlace&) = default;
};

}  // namespace fif

Q_DECLARE_METATYPE(fif::TShellPlace)
