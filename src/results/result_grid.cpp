#include "results/result_grid.h"

#include "results/result_delegate.h"
#include "results/result_filter_popup.h"
#include "results/result_filter_proxy.h"
#include "results/result_header.h"
#include "results/result_model.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace fif {
namespace {

constexpr int kFileNameWidth = 217;
constexpr int kPathWidth = 826;
constexpr int kNoDataTopMargin = 8;

}  // namespace

const QString& TResultGrid::NoDataText() {
    static const QString text = QStringLiteral("<데이타 없음>");
    return text;
}

TResultGrid::TResultGrid(QWidget* parent)
    : QTableView(parent),
      store_(new TResultModel(this)),
      proxy_(new TResultFilterProxy(*store_, this)),
      header_(new TResultHeader(this)),
      delegate_(new TResultDelegate(this)),
      incSearch_(QApplication::keyboardInputInterval()) {
    typingClock_.start();
    WatchRowChanges();  // before the view's own handlers, so that they run inside the watch
    setHorizontalHeader(header_);
    setModel(proxy_);
    setItemDelegate(delegate_);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TResultGrid::CheckFocusedRecord);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);  // Tab leaves the list, as it does every other control
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    ConfigureColumns();

    header_->SetFilterStateSource([this](int column) { return proxy_->IsColumnFiltered(column); });
    connect(header_, &TResultHeader::FilterButtonClicked, this, &TResultGrid::OpenColumnFilter);
    connect(header_, &TResultHeader::MouseReleased, this, &TResultGrid::MouseUp);
    connect(proxy_, &TResultFilterProxy::ColumnFiltersChanged, header_->viewport(), qOverload<>(&QWidget::update));
}

TResultGrid::~TResultGrid() = default;

void TResultGrid::ConfigureColumns() {
    // No row indicator; every row has the same fixed height, which keeps a long list cheap.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    header_->setSectionsClickable(true);  // a click sorts
    header_->setSectionsMovable(false);
    header_->setStretchLastSection(false);
    header_->setSectionResizeMode(QHeaderView::Interactive);
    header_->setHighlightSections(false);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnWidth(kFileNameColumn, kFileNameWidth);
    setColumnWidth(kPathColumn, kPathWidth);

    // The rows stay in the order found until the user clicks a header; enabling sorting
    // would otherwise sort by the first column at once.
    header_->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
}

void TResultGrid::WatchRowChanges() {
    // The focused record is checked whenever the focus or the rows shown may have changed,
    // but only once a change of the rows has ended: the base view moves the focus off a
    // row that is about to go while it is still counted.
    auto begin = [this] { ++modelChangesRunning_; };
    auto end = [this] {
        if (modelChangesRunning_ > 0) --modelChangesRunning_;
        CheckFocusedRecord();
    };
    connect(proxy_, &QAbstractItemModel::rowsAboutToBeInserted, this, begin);
    connect(proxy_, &QAbstractItemModel::rowsInserted, this, end);
    connect(proxy_, &QAbstractItemModel::rowsAboutToBeRemoved, this, begin);
    connect(proxy_, &QAbstractItemModel::rowsRemoved, this, end);
    connect(proxy_, &QAbstractItemModel::layoutAboutToBeChanged, this, begin);
    connect(proxy_, &QAbstractItemModel::layoutChanged, this, end);
    connect(proxy_, &QAbstractItemModel::modelAboutToBeReset, this, begin);
    connect(proxy_, &QAbstractItemModel::modelReset, this, end);
}

void TResultGrid::CheckFocusedRecord() {
    if (modelChangesRunning_ > 0) return;
    const int record = FocusedRecord();
    if (record == lastFocusedRecord_) return;
    lastFocusedRecord_ = record;
    emit FocusedRecordChanged(record);
}

void TResultGrid::AppendRecord() { store_->AppendRecord(); }

int TResultGrid::RecordCount() const { return store_->RecordCount(); }

void TResultGrid::SetValue(int record, int item, const std::string& text) { store_->SetValue(record, item, text); }

void TResultGrid::Clear() {
    incSearch_.Reset();
    store_->Clear();
}

int TResultGrid::RowsShown() const {
    int shown = proxy_->rowCount();
    for (int record = store_->AnnouncedCount(); record < store_->RecordCount(); ++record) {
        if (proxy_->AcceptsRecord(record)) ++shown;
    }
    return shown;
}

void TResultGrid::ShowAppendedRecords() { store_->AnnounceAppended(); }

int TResultGrid::FocusedRecord() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? proxy_->mapToSource(current).row() : -1;
}

std::string TResultGrid::Value(int record, int item) const { return store_->Value(record, item); }

void TResultGrid::SetHeaderStyle(const QFont& font, const QColor& textColor) {
    header_->setFont(font);
    if (textColor.isValid()) {
        QPalette palette = header_->palette();
        palette.setColor(QPalette::ButtonText, textColor);
        palette.setColor(QPalette::WindowText, textColor);
        palette.setColor(QPalette::Text, textColor);
        header_->setPalette(palette);
    }
}

void TResultGrid::SetInactiveStyle(const QColor& background) {
    delegate_->SetInactiveColor(background);
    viewport()->update();
}

void TResultGrid::SetColumnFilter(int column, const QStringList& values) {
    proxy_->SetColumnFilter(column, QSet<QString>(values.begin(), values.end()));
}

void TResultGrid::ClearColumnFilter(int column) { proxy_->ClearColumnFilter(column); }

bool TResultGrid::IsColumnFiltered(int column) const { return proxy_->IsColumnFiltered(column); }

void TResultGrid::OpenColumnFilter(int column, const QRect& below) {
    auto* popup = new TResultFilterPopup(*proxy_, column, this);
    popup->ShowBelow(below);
}

bool TResultGrid::IsSearchCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = event.text();
    if (text.isEmpty()) return false;
    for (const QChar c : text) {
        if (!c.isPrint()) return false;  // Enter, Tab, Backspace, Esc and the like
    }
    return true;
}

void TResultGrid::SearchTyped(const QString& typed) {
    // The searched column is the one of the focused cell: "File Name" unless the user
    // moved to "Path".
    const int column = currentIndex().column() == kPathColumn ? kPathColumn : kFileNameColumn;
    const int row = incSearch_.Type(typed, typingClock_.elapsed(), proxy_->rowCount(), [this, column](int r) {
        return QStringView(store_->Text(proxy_->RecordOfRow(r), column));
    });
    if (row < 0) return;
    const QModelIndex target = proxy_->index(row, column);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

void TResultGrid::keyPressEvent(QKeyEvent* event) {
    if (IsSearchCharacter(*event)) {
        SearchTyped(event->text());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && !incSearch_.Prefix().isEmpty()) {
        incSearch_.Reset();
        event->accept();
        return;
    }
    // Any other key, an arrow key above all, only moves the focus and ends the search.
    incSearch_.Reset();
    QTableView::keyPressEvent(event);
}

void TResultGrid::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    QTableView::mouseReleaseEvent(event);
    emit MouseUp(button);
}

void TResultGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    QTableView::mouseDoubleClickEvent(event);
    if (button == Qt::LeftButton) emit DblClick();
}

void TResultGrid::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (proxy_->rowCount() > 0) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(0, kNoDataTopMargin, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     NoDataText());
}

void TResultGrid::focusInEvent(QFocusEvent* event) {
    // The base view would focus the first row when the list gains the keyboard focus while
    // no row is focused (for instance when the window is activated again during a search).
    // Here only the user's click, key or typed name focuses a row, so that part is left out.
    QAbstractScrollArea::focusInEvent(event);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->update();  // the focused row leaves its inactive colour
}

void TResultGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();  // the focused row takes its inactive colour
}

QModelIndex TResultGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // With no row focused the base view starts every move at the top row; End still goes
    // to the bottom one.
    if (action == MoveEnd && !currentIndex().isValid() && model()->rowCount() > 0) {
        return model()->index(model()->rowCount() - 1, kFileNameColumn);
    }
    return QTableView::moveCursor(action, modifiers);
}

QItemSelectionModel::SelectionFlags TResultGrid::selectionCommand(const QModelIndex& index, const QEvent*) const {
    // One whole row is selected, and it is the focused one, whatever the modifier keys.
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

}  // namespace fif
