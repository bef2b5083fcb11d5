#include "browser/shell_tree_model.h"

#include "browser/shell_icons.h"
#include "browser/shell_namespace.h"
#include "browser/shell_path.h"

#include <QFile>

#include <algorithm>

namespace fif {

// A re-read of a folder on its way into the node's children. A folder with very many
// sub-folders goes in slices, a turn of the event loop each, so the window stays live.
struct TShellTreeModel::TApply {
    std::vector<TDiffRun> diff;
    std::vector<TFolderEntry> entries;
    std::size_t run = 0;  // the run being applied
    int doneInRun = 0;    // the part of it already applied
    int row = 0;          // where the run starts among the children now
    bool first = false;   // the folder's first read
};

struct TShellTreeModel::TNode {
    enum class State { NotLoaded, Loading, Loaded };

    quint64 id = 0;
    TShellPlace place;
    QString name;
    QIcon icon;
    TFolderEntry entry;  // how the parent's listing gave this folder; the key of a re-read
    TNode* parent = nullptr;
    int row = 0;
    std::vector<std::unique_ptr<TNode>> children;
    std::size_t fixedCount = 0;  // leading children that are not read from the folder
    bool listed = false;         // whether the children after fixedCount come from disk
    State state = State::NotLoaded;
    QFuture<TFolderScan> scan;
    // From the start of a read until its result arrives. The future alone does not tell:
    // it is finished before its result has been handed to this thread.
    bool reading = false;
    std::unique_ptr<TApply> apply;  // a read being applied
    bool scanAgain = false;         // a change came while a read was running or being applied
};

namespace {

// Rereads of a folder that changes all the time come at most this often.
constexpr int kRescanDelayMs = 200;
// Nodes made or removed in one turn of the event loop: a few milliseconds' work.
constexpr int kNodesPerTurn = 3000;

}  // namespace

TShellTreeModel::TShellTreeModel(QObject* parent) : QAbstractItemModel(parent) {
    root_ = std::make_unique<TNode>();
    root_->state = TNode::State::Loaded;

    const TShellRoot desktop = TShellNamespace::DesktopRoot();
    desktop_ = AddNode(root_.get(), MakeNode(desktop.place, desktop.name, desktop.icon, true));
    const TShellRoot computer = TShellNamespace::ComputerRoot();
    computer_ = AddNode(desktop_, MakeNode(computer.place, computer.name, computer.icon, false));
    computer_->state = TNode::State::Loaded;
    for (const TShellRoot& volume : TShellNamespace::Volumes())
        AddNode(computer_, MakeNode(volume.place, volume.name, volume.icon, true));
    const TShellRoot home = TShellNamespace::HomeRoot();
    home_ = AddNode(desktop_, MakeNode(home.place, home.name, home.icon, true));
    desktop_->fixedCount = desktop_->children.size();

    rescanTimer_.setSingleShot(true);
    rescanTimer_.setInterval(kRescanDelayMs);
    connect(&rescanTimer_, &QTimer::timeout, this, &TShellTreeModel::RescanChanged);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &TShellTreeModel::OnDirectoryChanged);
}

TShellTreeModel::~TShellTreeModel() {
    for (TNode* node : std::as_const(nodes_)) node->scan.cancel();
}

std::unique_ptr<TShellTreeModel::TNode> TShellTreeModel::MakeNode(const TShellPlace& place, const QString& name,
                                                                  const QIcon& icon, bool listed) {
    auto node = std::make_unique<TNode>();
    node->id = nextId_++;
    node->place = place;
    node->name = name;
    node->icon = icon;
    node->listed = listed;
    node->entry.isFolder = true;
    node->entry.hasSubfolders = true;  // not known until read: offer to expand
    return node;
}

TShellTreeModel::TNode* TShellTreeModel::AddNode(TNode* parent, std::unique_ptr<TNode> node) {
    node->parent = parent;
    node->row = static_cast<int>(parent->children.size());
    nodes_.insert(node->id, node.get());
    parent->children.push_back(std::move(node));
    return parent->children.back().get();
}

TShellTreeModel::TNode* TShellTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TNode*>(index.internalPointer()) : root_.get();
}

QModelIndex TShellTreeModel::IndexOf(const TNode* node) const {
    if (!node || node == root_.get()) return {};
    return createIndex(node->row, 0, const_cast<TNode*>(node));
}

QModelIndex TShellTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const TNode* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size())) return {};
    return createIndex(row, 0, node->children[row].get());
}

QModelIndex TShellTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    return IndexOf(NodeOf(child)->parent);
}

int TShellTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return static_cast<int>(NodeOf(parent)->children.size());
}

int TShellTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant TShellTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const TNode* node = NodeOf(index);
    switch (role) {
        case Qt::DisplayRole:
            return node->name;
        case Qt::DecorationRole:
            return node->icon;
        case Qt::ToolTipRole:
            return node->place.HasPath() ? shellpath::DisplayName(node->place.path) : QVariant();
        default:
            return {};
    }
}

bool TShellTreeModel::hasChildren(const QModelIndex& parent) const {
    const TNode* node = NodeOf(parent);
    if (!node->children.empty()) return true;
    if (node->state == TNode::State::Loaded) return false;
    return node->entry.hasSubfolders;
}

bool TShellTreeModel::canFetchMore(const QModelIndex& parent) const {
    const TNode* node = NodeOf(parent);
    return node->listed && node->state == TNode::State::NotLoaded;
}

void TShellTreeModel::fetchMore(const QModelIndex& parent) {
    TNode* node = NodeOf(parent);
    if (node->listed && node->state == TNode::State::NotLoaded) StartScan(node);
}

QModelIndex TShellTreeModel::DesktopIndex() const { return IndexOf(desktop_); }
QModelIndex TShellTreeModel::ComputerIndex() const { return IndexOf(computer_); }
QModelIndex TShellTreeModel::HomeIndex() const { return IndexOf(home_); }

TShellPlace TShellTreeModel::PlaceOf(const QModelIndex& index) const {
    if (!index.isValid()) return TShellPlace::Computer();
    return NodeOf(index)->place;
}

bool TShellTreeModel::IsLoaded(const QModelIndex& index) const {
    const TNode* node = NodeOf(index);
    return !node->listed || node->state == TNode::State::Loaded;
}

void TShellTreeModel::Refresh(const QModelIndex& index) {
    TNode* node = NodeOf(index);
    if (node->listed) StartScan(node);
}

QModelIndex TShellTreeModel::FindChild(const QModelIndex& parent, const QByteArray& name) const {
    const TNode* node = NodeOf(parent);
    for (std::size_t i = node->fixedCount; i < node->children.size(); ++i)
        if (node->children[i]->entry.name == name) return IndexOf(node->children[i].get());
    return {};
}

QModelIndex TShellTreeModel::RootFor(const QByteArray& path, QList<QByteArray>* rest) const {
    std::vector<const TNode*> candidates{desktop_, home_};
    for (const auto& volume : computer_->children) candidates.push_back(volume.get());
    std::vector<QByteArray> paths;
    for (const TNode* candidate : candidates) paths.push_back(candidate->place.path);
    const int best = TShellNamespace::DeepestRoot(path, paths, rest);
    return best < 0 ? QModelIndex() : IndexOf(candidates[static_cast<std::size_t>(best)]);
}

void TShellTreeModel::StartScan(TNode* node) {
    if (node->reading || node->apply) {
        node->scanAgain = true;
        return;
    }
    if (node->state == TNode::State::NotLoaded) {
        node->state = TNode::State::Loading;
        // Watched before the read starts, so that nothing done while it runs goes unseen.
        Watch(node);
    }
    // Only this read changes the node's children until it is applied (one read per node at
    // a time, none while one is being applied), so what it is compared with is still what
    // the node holds when it arrives.
    auto shown = std::make_shared<std::vector<TFolderEntry>>();
    shown->reserve(node->children.size() - node->fixedCount);
    for (std::size_t i = node->fixedCount; i < node->children.size(); ++i) shown->push_back(node->children[i]->entry);
    const quint64 id = node->id;
    node->reading = true;
    node->scan = StartFolderScan(this, node->place.path, TFolderReadMode::FoldersWithProbe, std::move(shown),
                                 [this, id](TFolderScan scan) { ApplyScan(id, std::move(scan)); });
}

void TShellTreeModel::ApplyScan(quint64 id, TFolderScan scan) {
    TNode* node = nodes_.value(id);
    if (!node) return;  // the folder left the tree while it was read
    node->reading = false;
    node->apply = std::make_unique<TApply>();
    node->apply->first = node->state != TNode::State::Loaded;
    node->apply->row = static_cast<int>(node->fixedCount);
    // A folder that cannot be read shows no children; one that vanished keeps what it
    // showed until its parent's re-read removes it.
    if (scan.listing.ok) {
        node->apply->diff = std::move(scan.diff);
        node->apply->entries = std::move(scan.listing.entries);
    }
    ApplySome(node);
}

void TShellTreeModel::ApplySome(TNode* node) {
    if (!ApplySlice(node)) {
        const quint64 id = node->id;
        QTimer::singleShot(0, this, [this, id] {
            if (TNode* pending = nodes_.value(id)) ApplySome(pending);
        });
        return;
    }
    FinishApply(node);
}

bool TShellTreeModel::ApplySlice(TNode* node) {
    TApply& apply = *node->apply;
    const QModelIndex parentIndex = IndexOf(node);
    int budget = kNodesPerTurn;
    while (apply.run < apply.diff.size()) {
        if (budget <= 0) return false;
        const TDiffRun& run = apply.diff[apply.run];
        const int count = std::min(run.count - apply.doneInRun, budget);
        const int from = run.newStart + apply.doneInRun;
        const int row = apply.row;
        switch (run.kind) {
            case TDiffRun::Kind::Keep:
                apply.row += count;
                break;
            case TDiffRun::Kind::Replace:
                // Same folder, news about its sub-folders: only the expand mark changes.
                for (int k = 0; k < count; ++k) node->children[row + k]->entry = std::move(apply.entries[from + k]);
                emit dataChanged(index(row, 0, parentIndex), index(row + count - 1, 0, parentIndex));
                apply.row += count;
                budget -= count;
                break;
            case TDiffRun::Kind::Remove: {
                beginRemoveRows(parentIndex, row, row + count - 1);
                const auto first = node->children.begin() + row;
                for (auto it = first; it != first + count; ++it) Forget(it->get());
                node->children.erase(first, first + count);
                Renumber(node, row);
                endRemoveRows();
                budget -= count;
                break;
            }
            case TDiffRun::Kind::Insert: {
                beginInsertRows(parentIndex, row, row + count - 1);
                std::vector<std::unique_ptr<TNode>> added;
                added.reserve(count);
                for (int k = 0; k < count; ++k) {
                    TFolderEntry& fresh = apply.entries[from + k];
                    auto child = MakeNode(TShellPlace::Folder(shellpath::Join(node->place.path, fresh.name)),
                                          fresh.displayName, TShellIcons::Folder(), true);
                    child->entry = std::move(fresh);
                    child->parent = node;
                    nodes_.insert(child->id, child.get());
                    added.push_back(std::move(child));
                }
                node->children.insert(node->children.begin() + row, std::make_move_iterator(added.begin()),
                                      std::make_move_iterator(added.end()));
                Renumber(node, row);
                endInsertRows();
                apply.row += count;
                budget -= count;
                break;
            }
        }
        apply.doneInRun += count;
        if (apply.doneInRun == run.count) {
            ++apply.run;
            apply.doneInRun = 0;
        }
    }
    return true;
}

void TShellTreeModel::FinishApply(TNode* node) {
    const bool first = node->apply->first;
    node->apply.reset();
    node->state = TNode::State::Loaded;
    if (first) {
        const QModelIndex index = IndexOf(node);
        emit dataChanged(index, index);  // the expand mark may go
    }
    if (node->scanAgain) {
        // What this read brought is already old: the children are loaded once the newer
        // read is in, so that nobody waiting for a folder gives up on the older answer.
        node->scanAgain = false;
        StartScan(node);
        return;
    }
    emit ChildrenLoaded(IndexOf(node));
}

void TShellTreeModel::Renumber(TNode* node, std::size_t from) {
    for (std::size_t i = from; i < node->children.size(); ++i) node->children[i]->row = static_cast<int>(i);
}

void TShellTreeModel::Forget(TNode* node) {
    for (const auto& child : node->children) Forget(child.get());
    node->scan.cancel();
    nodes_.remove(node->id);
    changed_.remove(node->id);
    const QString path = QFile::decodeName(node->place.path);
    if (watched_.remove(path, node->id) > 0 && !watched_.contains(path)) watcher_.removePath(path);
}

void TShellTreeModel::Watch(TNode* node) {
    // The watcher takes paths as text; a path that does not survive the trip to text and
    // back cannot be watched, and shows what it had until it is read again.
    const QString path = QFile::decodeName(node->place.path);
    if (QFile::encodeName(path) != node->place.path) return;
    if (!watched_.contains(path)) watcher_.addPath(path);
    watched_.insert(path, node->id);
}

void TShellTreeModel::OnDirectoryChanged(const QString& path) {
    for (const quint64 id : watched_.values(path)) changed_.insert(id);
    if (!rescanTimer_.isActive()) rescanTimer_.start();
}

void TShellTreeModel::RescanChanged() {
    const QSet<quint64> changed = std::exchange(changed_, {});
    for (const quint64 id : changed)
        if (TNode* node = nodes_.value(id)) StartScan(node);
}

}  // namespace fif
