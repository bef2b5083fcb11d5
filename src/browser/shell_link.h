#pragma once

#include "browser/shell_place.h"

#include <QObject>

namespace fif {

// Keeps the folder tree, the file list and the path combo on one folder. A control that
// moves to another place tells the link (Navigate); the link raises FolderChanged, and each
// of the other controls follows. Controls join through their SetShellLink.
class TJamShellLink : public QObject {
    Q_OBJECT

public:
    // Starts at the desktop, as the controls do.
    explicit TJamShellLink(QObject* parent = nullptr);

    const TShellPlace& Current() const { return current_; }

    // `source` is the control that moved (it does not follow itself); moving to the place
    // already current changes nothing.
    void Navigate(const TShellPlace& place, QObject* source = nullptr);

signals:
    void FolderChanged(const fif::TShellPlace& place, QObject* source);

private:
    TShellPlace current_;
};

}  // namespace fif
