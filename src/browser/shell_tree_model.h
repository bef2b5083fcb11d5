#pragma once

#include "browser/folder_scan.h"
#include "browser/shell_place.h"

#include <QAbstractItemModel>
#include <QFileSystemWatcher>
#include <QFuture>
#include <QHash>
#include <QIcon>
#include <QMultiHash>
#include <QSet>
#include <QTimer>

#include <memory>
#include <vector>

namespace fif {

// The folder hierarchy of the browser: the desktop on top, below it the computer (file
// system root and mounted volumes), the home folder and the desktop's sub-folders; folders
// only, hidden ones included. A folder's children are read on a pool thread when the view
// first asks for them, and read again when the folder changes on disk, so a huge folder
// never blocks the window. Nodes keep their raw paths, so names that are not valid UTF-8
// still lead to the right folder.
class TShellTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit TShellTreeModel(QObject* parent = nullptr);
    ~TShellTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    QModelIndex DesktopIndex() const;
    QModelIndex ComputerIndex() const;
    QModelIndex HomeIndex() const;

    // What a node stands for; Computer for the computer, Desktop for the desktop.
    TShellPlace PlaceOf(const QModelIndex& index) const;
    // Whether the node's children have been read (or need no reading).
    bool IsLoaded(const QModelIndex& index) const;
    // Reads the node's folder again now (for the first time if it was never read).
    void Refresh(const QModelIndex& index);
    // The child of `parent` read from disk under the raw name `name`; invalid when none.
    QModelIndex FindChild(const QModelIndex& parent, const QByteArray& name) const;
    // The top node below which the folder `path` lies the deepest (the desktop before the
    // home folder before the volumes), with the parts of `path` below it in `rest`.
    QModelIndex RootFor(const QByteArray& path, QList<QByteArray>* rest) const;

signals:
    // The children of `parent` were read (first time or again).
    void ChildrenLoaded(const QModelIndex& parent);

private:
    struct TNode;
    struct TApply;

    TNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const TNode* node) const;
    TNode* AddNode(TNode* parent, std::unique_ptr<TNode> node);
    std::unique_ptr<TNode> MakeNode(const TShellPlace& place, const QString& name, const QIcon& icon, bool listed);
    void StartScan(TNode* node);
    void ApplyScan(quint64 id, TFolderScan scan);
    void ApplySome(TNode* node);
    bool ApplySlice(TNode* node);
    void FinishApply(TNode* node);
    void Renumber(TNode* node, std::size_t from);
    void Forget(TNode* node);
    void Watch(TNode* node);
    void OnDirectoryChanged(const QString& path);
    void RescanChanged();

    std::unique_ptr<TNode> root_;  // invisible; its one child is the desktop
    TNode* desktop_ = nullptr;
    TNode* computer_ = nullptr;
    TNode* home_ = nullptr;
    quint64 nextId_ = 1;
    QHash<quint64, TNode*> nodes_;
    QFileSystemWatcher watcher_;
    QMultiHash<QString, quint64> watched_;  // watched path -> the nodes that show it
    QSet<quint64> changed_;                 // nodes to read again when the timer fires
    QTimer rescanTimer_;                    // gathers a burst of changes into one read
};

}  // namespace fif
