#pragma once

#include "browser/folder_scan.h"
#include "browser/shell_namespace.h"
#include "browser/shell_place.h"

#include <QAbstractTableModel>
#include <QFileSystemWatcher>
#include <QFuture>
#include <QTimer>

#include <vector>

namespace fif {

// The contents of one place for the file list: first the nodes a virtual place holds (the
// computer and the home folder on the desktop, the volumes in the computer), then the
// folder's folders and files, hidden ones included. Columns: name, size, type, modified.
// The folder is read on a pool thread in one go and shown when the read is done, and read
// again when it changes on disk.
class TShellListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kName, kSize, kType, kModified, kColumnCount };

    explicit TShellListModel(QObject* parent = nullptr);
    ~TShellListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const TShellPlace& Place() const { return place_; }
    void SetPlace(const TShellPlace& place);
    // Reads the current folder again now.
    void Refresh();
    // Whether the read of the current place has arrived.
    bool IsLoaded() const { return loaded_; }

    // What a row stands for: a place to move to (a node or a folder), or a file.
    bool IsPlaceRow(int row) const;
    TShellPlace PlaceOfRow(int row) const;
    QByteArray PathOfRow(int row) const;  // raw path; empty for a node without one

signals:
    // The current place's contents arrived (first read or re-read).
    void Loaded();

private:
    void StartScan();
    void ApplyScan(quint64 generation, TFolderScan scan);
    void ApplyDiff(const std::vector<TDiffRun>& diff, TSharedEntries fresh);
    const TFolderEntry& EntryAt(std::size_t at) const;
    std::size_t EntryCount() const;
    void WatchPlace();
    QVariant EntryData(const TFolderEntry& entry, int column, int role) const;

    TShellPlace place_;
    std::vector<TShellRoot> nodes_;  // the leading rows of a virtual place
    // The rows after the leading nodes. While a re-read is applied run by run, the first
    // freshCount_ rows come from fresh_ and the rest from entries_ from shownFrom_ on, so
    // every step shows a consistent list without moving a single entry.
    TSharedEntries entries_;
    const std::vector<TFolderEntry>* fresh_ = nullptr;
    std::size_t freshCount_ = 0;
    std::size_t shownFrom_ = 0;
    bool loaded_ = false;
    quint64 generation_ = 0;  // a read for a place no longer shown is dropped
    QFuture<TFolderScan> scan_;
    // From the start of a read until its result arrives; the future is finished earlier,
    // before its result has been handed to this thread.
    bool reading_ = false;
    bool scanAgain_ = false;
    QFileSystemWatcher watcher_;
    QTimer rescanTimer_;
};

}  // namespace fif
