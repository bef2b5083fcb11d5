#include "browser/shell_list_model.h"

#include "browser/shell_icons.h"
#include "browser/shell_path.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

namespace fif {
namespace {

constexpr int kRescanDelayMs = 200;

// Sizes as the details view shows them: whole kilobytes, rounded up, so that a file of a
// few bytes does not read as empty.
QString SizeText(std::int64_t size) {
    const std::int64_t kilobytes = (size + 1023) / 1024;
    return QLocale().toString(static_cast<qlonglong>(kilobytes)) + QStringLiteral(" KB");
}

}  // namespace

TShellListModel::TShellListModel(QObject* parent)
    : QAbstractTableModel(parent), entries_(std::make_shared<const std::vector<TFolderEntry>>()) {
    rescanTimer_.setSingleShot(true);
    rescanTimer_.setInterval(kRescanDelayMs);
    connect(&rescanTimer_, &QTimer::timeout, this, &TShellListModel::StartScan);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!rescanTimer_.isActive()) rescanTimer_.start();
    });
}

TShellListModel::~TShellListModel() { scan_.cancel(); }

int TShellListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(nodes_.size() + EntryCount());
}

int TShellListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant TShellListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t row = static_cast<std::size_t>(index.row());
    if (row >= nodes_.size()) return EntryData(EntryAt(row - nodes_.size()), index.column(), role);

    const TShellRoot& node = nodes_[row];
    if (index.column() == kName && role == Qt::DisplayRole) return node.name;
    if (index.column() == kName && role == Qt::DecorationRole) return node.icon;
    if (index.column() == kType && role == Qt::DisplayRole)
        return node.place.kind == TShellPlace::Kind::Computer ? QStringLiteral("시스템 폴더") : TShellIcons::FolderType();
    return {};
}

QVariant TShellListModel::EntryData(const TFolderEntry& entry, int column, int role) const {
    if (role == Qt::DisplayRole) {
        switch (column) {
            case kName:
                return entry.displayName;
            case kSize:
                return entry.isFolder ? QString() : SizeText(entry.size);
            case kType:
                return entry.isFolder ? TShellIcons::FolderType() : TShellIcons::FileType(entry.displayName);
            case kModified:
                return QDateTime::fromSecsSinceEpoch(entry.modified).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
            default:
                return {};
        }
    }
    if (role == Qt::DecorationRole && column == kName)
        return entry.isFolder ? TShellIcons::Folder() : TShellIcons::File(entry.displayName);
    if (role == Qt::TextAlignmentRole && column == kSize)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TShellListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kName:
            return QStringLiteral("이름");
        case kSize:
            return QStringLiteral("크기");
        case kType:
            return QStringLiteral("종류");
        case kModified:
            return QStringLiteral("수정한 날짜");
        default:
            return {};
    }
}

void TShellListModel::SetPlace(const TShellPlace& target) {
    const TShellPlace place = TShellNamespace::Normalized(target);
    scan_.cancel();
    scan_ = QFuture<TFolderScan>();  // the canceled read delivers nothing; a new one may start now
    reading_ = false;
    scanAgain_ = false;
    rescanTimer_.stop();
    ++generation_;

    beginResetModel();
    place_ = place;
    nodes_ = TShellNamespace::VirtualChildren(place);
    DisposeInBackground(std::exchange(entries_, std::make_shared<const std::vector<TFolderEntry>>()));
    loaded_ = !place.HasPath();
    endResetModel();

    WatchPlace();
    if (place.HasPath()) {
        StartScan();
    } else {
        emit Loaded();
    }
}

void TShellListModel::Refresh() {
    if (place_.HasPath()) StartScan();
}

bool TShellListModel::IsPlaceRow(int row) const {
    if (row < 0 || row >= rowCount()) return false;
    const std::size_t at = static_cast<std::size_t>(row);
    return at < nodes_.size() || EntryAt(at - nodes_.size()).isFolder;
}

TShellPlace TShellListModel::PlaceOfRow(int row) const {
    const std::size_t at = static_cast<std::size_t>(row);
    if (row >= 0 && at < nodes_.size()) return nodes_[at].place;
    return TShellPlace::Folder(PathOfRow(row));
}

QByteArray TShellListModel::PathOfRow(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    const std::size_t at = static_cast<std::size_t>(row);
    if (at < nodes_.size()) return nodes_[at].place.path;
    return shellpath::Join(place_.path, EntryAt(at - nodes_.size()).name);
}

void TShellListModel::StartScan() {
    if (reading_) {
        scanAgain_ = true;
        return;
    }
    const quint64 generation = generation_;
    reading_ = true;
    // Only this read changes the rows until it is applied, so what it is compared with on the
    // pool thread is still what the rows hold when it arrives.
    scan_ = StartFolderScan(this, place_.path, TFolderReadMode::Everything, entries_,
                            [this, generation](TFolderScan scan) { ApplyScan(generation, std::move(scan)); });
}

void TShellListModel::ApplyScan(quint64 generation, TFolderScan scan) {
    if (generation != generation_) return;
    reading_ = false;
    const bool first = !loaded_;
    loaded_ = true;
    if (scan.listing.ok)
        ApplyDiff(scan.diff, std::make_shared<const std::vector<TFolderEntry>>(std::move(scan.listing.entries)));
    if (scanAgain_) {
        scanAgain_ = false;
        StartScan();
    }
    if (first || scan.listing.ok) emit Loaded();
}

void TShellListModel::ApplyDiff(const std::vector<TDiffRun>& diff, TSharedEntries fresh) {
    const int offset = static_cast<int>(nodes_.size());
    fresh_ = fresh.get();
    freshCount_ = 0;
    shownFrom_ = 0;
    for (const TDiffRun& run : diff) {
        const int row = offset + static_cast<int>(freshCount_);
        const std::size_t count = static_cast<std::size_t>(run.count);
        switch (run.kind) {
            case TDiffRun::Kind::Keep:
                freshCount_ += count;
                shownFrom_ += count;
                break;
            case TDiffRun::Kind::Replace:
                freshCount_ += count;
                shownFrom_ += count;
                emit dataChanged(index(row, 0), index(row + run.count - 1, kColumnCount - 1));
                break;
            case TDiffRun::Kind::Remove:
                beginRemoveRows({}, row, row + run.count - 1);
                shownFrom_ += count;
                endRemoveRows();
                break;
            case TDiffRun::Kind::Insert:
                beginInsertRows({}, row, row + run.count - 1);
                freshCount_ += count;
                endInsertRows();
                break;
        }
    }
    fresh_ = nullptr;
    freshCount_ = 0;
    shownFrom_ = 0;
    DisposeInBackground(std::exchange(entries_, std::move(fresh)));
}

const TFolderEntry& TShellListModel::EntryAt(std::size_t at) const {
    if (!fresh_) return (*entries_)[at];
    if (at < freshCount_) return (*fresh_)[at];
    return (*entries_)[at - freshCount_ + shownFrom_];
}

std::size_t TShellListModel::EntryCount() const {
    if (!fresh_) return entries_->size();
    return freshCount_ + (entries_->size() - shownFrom_);
}

void TShellListModel::WatchPlace() {
    const QStringList watched = watcher_.directories();
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    if (!place_.HasPath()) return;
    // A path that does not survive the trip to text cannot be watched; it is read on entry.
    const QString path = QFile::decodeName(place_.path);
    if (QFile::encodeName(path) == place_.path) watcher_.addPath(path);
}

}  // namespace fif
