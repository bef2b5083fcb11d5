#include "results/result_model.h"

#include "platform/qt_text.h"

#include <QTimerEvent>

#include <algorithm>

namespace fif {
namespace {

const QString& EmptyText() {
    static const QString empty;
    return empty;
}

}  // namespace

TResultModel::TResultModel(QObject* parent) : QAbstractTableModel(parent) {}

int TResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : announced_;
}

int TResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kItemCount;
}

QVariant TResultModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || index.row() >= announced_ || !Contains(index.row(), index.column())) return {};
    return Text(index.row(), index.column());
}

QVariant TResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case 0: return QStringLiteral("File Name");
        case 1: return QStringLiteral("Path");
        default: return {};
    }
}

Qt::ItemFlags TResultModel::flags(const QModelIndex& index) const {
    // Rows can be focused and selected, never edited.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TResultModel::AppendRecord() {
    records_.emplace_back();
    if (!announceTimer_.isActive()) announceTimer_.start(kAnnounceDelayMs, Qt::CoarseTimer, this);
}

void TResultModel::AnnounceAppended() { AnnounceSome(RecordCount()); }

void TResultModel::AnnounceSome(int limit) {
    announceTimer_.stop();
    const int count = std::min(limit, RecordCount() - announced_);
    if (count > 0) {
        beginInsertRows(QModelIndex(), announced_, announced_ + count - 1);
        announced_ += count;
        endInsertRows();
    }
    if (announced_ < RecordCount()) announceTimer_.start(0, this);
}

void TResultModel::timerEvent(QTimerEvent* event) {
    if (event->timerId() == announceTimer_.timerId()) {
        AnnounceSome(kAnnounceBatchLimit);
        return;
    }
    QAbstractTableModel::timerEvent(event);
}

void TResultModel::SetValue(int record, int item, const std::string& bytes) {
    if (!Contains(record, item)) return;
    Record& target = records_[static_cast<std::size_t>(record)];
    target.bytes[static_cast<std::size_t>(item)] = bytes;
    target.text[static_cast<std::size_t>(item)] = TextFromBytes(bytes);
    if (record >= announced_) return;  // the views see it when it is announced
    const QModelIndex changed = index(record, item);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void TResultModel::Clear() {
    beginResetModel();
    announceTimer_.stop();
    records_ = {};
    announced_ = 0;
    endResetModel();
}

std::string TResultModel::Value(int record, int item) const {
    if (!Contains(record, item)) return {};
    return records_[static_cast<std::size_t>(record)].bytes[static_cast<std::size_t>(item)];
}

std::string_view TResultModel::Bytes(int record, int item) const {
    if (!Contains(record, item)) return {};
    return records_[static_cast<std::size_t>(record)].bytes[static_cast<std::size_t>(item)];
}

const QString& TResultModel::Text(int record, int item) const {
    if (!Contains(record, item)) return EmptyText();
    return records_[static_cast<std::size_t>(record)].text[static_cast<std::size_t>(item)];
}

bool TResultModel::Contains(int record, int item) const {
    return record >= 0 && record < RecordCount() && item >= 0 && item < kItemCount;
}

}  // namespace fif
