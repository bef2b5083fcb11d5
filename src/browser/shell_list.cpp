#include "browser/shell_list.h"

#include "browser/shell_cell_delegate.h"
#include "browser/shell_link.h"
#include "browser/shell_list_model.h"
#include "browser/shell_namespace.h"
#include "browser/shell_path.h"
#include "platform/file_opener.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QStackedLayout>
#include <QTreeView>

namespace fif {
namespace {

// The cell of every item in the icon and list views (the grid, less a margin around each
// item).
constexpr QSize kLargeIconCell(84, 72);
constexpr QSize kSmallIconCell(180, 20);
constexpr QSize kListCell(200, 20);
constexpr QSize kCellMargin(4, 2);
constexpr int kLayoutBatch = 200;  // items laid out per turn of the event loop

}  // namespace

bool ViewStyleFromValue(int value, TJamShellList::ViewStyle* style) {
    switch (value) {
        case 0:
            *style = TJamShellList::vsIcon;
            return true;
        case 1:
            *style = TJamShellList::vsSmallIcon;
            return true;
        case 2:
            *style = TJamShellList::vsList;
            return true;
        case 3:
            *style = TJamShellList::vsReport;
            return true;
        default:
            return false;
    }
}

TJamShellList::TJamShellList(QWidget* parent)
    : QWidget(parent),
      model_(new TShellListModel(this)),
      iconView_(new QListView(this)),
      cellDelegate_(new TShellCellDelegate(this)),
      reportView_(new QTreeView(this)),
      stack_(new QStackedLayout(this)) {
    QFont font = QApplication::font();  // the system's icon-title font
    font.setResolveMask(QFont::AllPropertiesResolved);
    setFont(font);

    iconView_->setItemDelegate(cellDelegate_);
    iconView_->setUniformItemSizes(true);
    iconView_->setLayoutMode(QListView::Batched);
    iconView_->setBatchSize(kLayoutBatch);
    iconView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    iconView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    iconView_->setTextElideMode(Qt::ElideRight);

    reportView_->setRootIsDecorated(false);
    reportView_->setItemsExpandable(false);
    reportView_->setUniformRowHeights(true);
    reportView_->setAllColumnsShowFocus(true);
    reportView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    reportView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    reportView_->setIconSize(QSize(16, 16));
    reportView_->header()->setDefaultSectionSize(120);

    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(iconView_);
    stack_->addWidget(reportView_);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(iconView_), static_cast<QAbstractItemView*>(reportView_)})
        connect(view, &QAbstractItemView::activated, this, [this](const QModelIndex& index) { OpenRow(index.row()); });

    model_->SetPlace(TShellPlace::Desktop(TShellNamespace::DesktopPath()));
    SetViewStyle(vsIcon);
}

TJamShellLink* TJamShellList::ShellLink() const { return link_; }

void TJamShellList::SetShellLink(TJamShellLink* link) {
    if (link_) disconnect(link_, nullptr, this, nullptr);
    link_ = link;
    if (!link) return;
    connect(link, &TJamShellLink::FolderChanged, this, [this](const TShellPlace& place, QObject* source) {
        if (source != this) GoTo(place);
    });
    if (model_->Place() != link->Current()) GoTo(link->Current());
}

void TJamShellList::SetViewStyle(ViewStyle style) {
    if (styled_ && style == viewStyle_) return;  // the view already shown stays as it is
    styled_ = true;
    viewStyle_ = style;
    if (style == vsReport) {
        ShowIn(reportView_);
        reportView_->header()->resizeSection(TShellListModel::kName, 220);
        reportView_->header()->resizeSection(TShellListModel::kSize, 80);
        reportView_->header()->resizeSection(TShellListModel::kType, 140);
        return;
    }
    if (style == vsIcon) {
        iconView_->setViewMode(QListView::IconMode);
        iconView_->setFlow(QListView::LeftToRight);
        iconView_->setIconSize(QSize(32, 32));
        iconView_->setGridSize(kLargeIconCell);
        cellDelegate_->SetCellSize(kLargeIconCell - kCellMargin);
        iconView_->setWordWrap(true);
    } else {
        iconView_->setViewMode(QListView::ListMode);
        iconView_->setFlow(style == vsList ? QListView::TopToBottom : QListView::LeftToRight);
        iconView_->setIconSize(QSize(16, 16));
        iconView_->setGridSize(style == vsList ? kListCell : kSmallIconCell);
        cellDelegate_->SetCellSize((style == vsList ? kListCell : kSmallIconCell) - kCellMargin);
        iconView_->setWordWrap(false);
    }
    // Setting the mode lets icons be dragged about; here they always stay arranged.
    iconView_->setMovement(QListView::Static);
    iconView_->setWrapping(true);
    iconView_->setResizeMode(autoArrange_ ? QListView::Adjust : QListView::Fixed);
    ShowIn(iconView_);
    iconView_->doItemsLayout();  // the cell changed: measure again
}

bool TJamShellList::SetViewStyleValue(int value) {
    ViewStyle style;
    if (!ViewStyleFromValue(value, &style)) return false;
    SetViewStyle(style);
    return true;
}

void TJamShellList::SetAutoArrange(bool on) {
    autoArrange_ = on;
    iconView_->setResizeMode(on ? QListView::Adjust : QListView::Fixed);
}

void TJamShellList::ShowIn(QAbstractItemView* view) {
    // Only the view shown holds the model, so the hidden one never lays out a huge folder.
    QAbstractItemView* other = view == iconView_ ? static_cast<QAbstractItemView*>(reportView_) : iconView_;
    if (other->model() == model_) {
        QItemSelectionModel* selection = other->selectionModel();
        other->setModel(nullptr);
        delete selection;
    }
    if (view->model() != model_) {
        QItemSelectionModel* old = view->selectionModel();
        view->setModel(model_);
        delete old;
    }
    stack_->setCurrentWidget(view);
    setFocusProxy(view);
}

QAbstractItemView* TJamShellList::CurrentView() const {
    return viewStyle_ == vsReport ? static_cast<QAbstractItemView*>(reportView_) : iconView_;
}

const TShellPlace& TJamShellList::Place() const { return model_->Place(); }

void TJamShellList::GoTo(const TShellPlace& place) {
    model_->SetPlace(place);
    CurrentView()->scrollToTop();
}

void TJamShellList::OpenRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    if (!model_->IsPlaceRow(row)) {
        OpenWithAssociatedProgram(shellpath::ToText(model_->PathOfRow(row)));
        return;
    }
    const TShellPlace place = model_->PlaceOfRow(row);
    if (place.HasPath() && !shellpath::IsFolder(place.path)) {
        model_->Refresh();  // gone since the list was read: show what is there now
        return;
    }
    GoTo(place);
    if (link_) link_->Navigate(place, this);
}

}  // namespace fif
