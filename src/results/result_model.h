#pragma once

#include <QAbstractTableModel>
#include <QBasicTimer>
#include <QString>

#include <array>
#include <deque>
#include <string>
#include <string_view>

namespace fif {

// The store of the result list: one record per file found, in the order found, so that a
// record's row in this model is its record index for as long as it exists. Each record
// holds two items, the file name (item 0) and its folder (item 1), as the bytes the search
// gave and as the wide text shown; the bytes are kept so that a name that is not valid
// UTF-8 reaches the preview and the opener unchanged.
//
// A record joins the store at once, but the views learn of new records in batches: one
// announcement (beginInsertRows/endInsertRows) for all records appended within a short
// interval. A search appends a record and then fills it, and each announcement costs a
// sorted view a pass over its rows and a repaint, so announcing filled records a few at a
// time keeps a long search cheap; views never see a record before it was filled.
class TResultModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kItemCount = 2;

    // How long a new record may wait before the views are told of it.
    static constexpr int kAnnounceDelayMs = 25;
    // The most records told at once. A sorted view places each record on its own, at a
    // cost that grows with the rows it holds, so a larger backlog is told over several
    // turns of the event loop, which keeps the window answering meanwhile.
    static constexpr int kAnnounceBatchLimit = 128;

    explicit TResultModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // One empty record at the end.
    void AppendRecord();
    // Sets item `item` of record `record`; out-of-range arguments are ignored.
    void SetValue(int record, int item, const std::string& bytes);
    // Removes every record.
    void Clear();
    // Tells the views of every record appended so far, now instead of after the delay.
    void AnnounceAppended();
    // Tells the views of the oldest waiting records, at most `limit` of them; the timer
    // tells the rest on the next turn.
    void AnnounceSome(int limit);

    int RecordCount() const { return static_cast<int>(records_.size()); }
    // The records that the views know of are 0 .. AnnouncedCount()-1.
    int AnnouncedCount() const { return announced_; }
    // The bytes last set, or empty for an index out of range.
    std::string Value(int record, int item) const;
    // The same bytes without a copy; valid until the store changes.
    std::string_view Bytes(int record, int item) const;
    // The shown text; the reference stays valid until the store changes.
    const QString& Text(int record, int item) const;

private:
    struct Record {
        std::array<std::string, kItemCount> bytes;
        std::array<QString, kItemCount> text;
    };

    bool Contains(int record, int item) const;

    void timerEvent(QTimerEvent* event) override;

    std::deque<Record> records_;  // a deque, so that growing never moves the records
    int announced_ = 0;
    QBasicTimer announceTimer_;  // runs while records wait to be announced
};

}  // namespace fif
