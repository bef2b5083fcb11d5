#include "browser/shell_icons.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStyle>

namespace fif {
namespace {

QIcon Themed(const QString& name, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(name, QApplication::style()->standardIcon(fallback));
}

}  // namespace

QIcon TShellIcons::Desktop() { return Themed(QStringLiteral("user-desktop"), QStyle::SP_DesktopIcon); }
QIcon TShellIcons::Computer() { return Themed(QStringLiteral("computer"), QStyle::SP_ComputerIcon); }
QIcon TShellIcons::Drive() { return Themed(QStringLiteral("drive-harddisk"), QStyle::SP_DriveHDIcon); }
QIcon TShellIcons::Home() { return Themed(QStringLiteral("user-home"), QStyle::SP_DirHomeIcon); }

QIcon TShellIcons::Folder() {
    static const QIcon icon = Themed(QStringLiteral("folder"), QStyle::SP_DirIcon);
    return icon;
}

QIcon TShellIcons::File(const QString& fileName) { return KindFor(fileName).icon; }
QString TShellIcons::FileType(const QString& fileName) { return KindFor(fileName).type; }
QString TShellIcons::FolderType() { return QStringLiteral("파일 폴더"); }

const TShellIcons::TFileKind& TShellIcons::KindFor(const QString& fileName) {
    // Looked up on the user-interface thread only (the views ask while painting).
    static QHash<QString, TFileKind> kinds;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const auto found = kinds.constFind(suffix);
    if (found != kinds.constEnd()) return *found;

    static const QMimeDatabase database;
    const QMimeType mime = database.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    TFileKind kind;
    const QIcon fallback = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    kind.icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName(), fallback));
    if (mime.isDefault() || mime.comment().isEmpty())
        kind.type = suffix.isEmpty() ? QStringLiteral("파일") : suffix.toUpper() + QStringLiteral(" 파일");
    else
        kind.type = mime.comment();
    return *kinds.insert(suffix, kind);
}

}  // namespace fif
