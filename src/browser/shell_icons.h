#pragma once

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QString>

namespace fif {

// Icons of the browser: from the desktop's icon theme where it has them, Qt's standard
// icons otherwise. File icons follow the file's type by its name and are kept per suffix,
// so a folder of many files costs one look-up per kind of file.
class TShellIcons {
public:
    static QIcon Desktop();
    static QIcon Computer();
    static QIcon Drive();
    static QIcon Home();
    static QIcon Folder();
    static QIcon File(const QString& fileName);

    // The type of a file for the details view ("텍스트 문서" and the like), by its name.
    static QString FileType(const QString& fileName);
    static QString FolderType();

private:
    struct TFileKind {
        QIcon icon;
        QString type;
    };
    static const TFileKind& KindFor(const QString& fileName);
};

}  // namespace fif
