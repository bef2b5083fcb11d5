#pragma once

#include "browser/shell_place.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTreeView>

namespace fif {

class TJamShellLink;
class TShellTreeModel;

// The folder tree of the browser, rooted at the desktop, which is selected at start. Its
// selected folder is the search root (SelectedFolder). Selecting a node moves the linked
// controls there; a place reached in another control is expanded down to and selected, or
// its nearest ancestor that the tree shows.
class TJamShellTree : public QTreeView {
    Q_OBJECT

public:
    explicit TJamShellTree(QWidget* parent = nullptr);

    void SetShellLink(TJamShellLink* link);
    TJamShellLink* ShellLink() const;

    // The selected folder as text: the full path without a trailing "/", "/" for the file
    // system root, the desktop folder for the desktop, empty for the computer and when
    // nothing is selected. Bytes of a name that are not valid UTF-8 travel as
    // U+DC80..U+DCFF (codepage::ToWide), so the search reaches the folder itself.
    QString SelectedFolder() const;

    // Expands down to `place` and selects it, or the nearest ancestor shown (reading folders
    // on the way as needed; the selection follows as they arrive).
    void GoTo(const TShellPlace& place);

    TShellTreeModel* ShellModel() const { return model_; }

private:
    void OnCurrentChanged(const QModelIndex& current);
    void OnChildrenLoaded(const QModelIndex& parent);
    void ContinueGoTo();
    void SelectQuietly(const QModelIndex& index);

    TShellTreeModel* model_;
    QPointer<TJamShellLink> link_;
    bool selecting_ = false;  // a selection made here for the link, not by the user

    // The way to the place being reached: the top node and the parts below it still to go.
    bool going_ = false;
    QPersistentModelIndex goRoot_;
    QList<QByteArray> goParts_;
    QPersistentModelIndex goWaitFor_;    // the folder whose children are awaited
    QPersistentModelIndex goRefreshed_;  // the folder read again once because a part was missing
};

}  // namespace fif
