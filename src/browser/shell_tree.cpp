#include "browser/shell_tree.h"

#include "browser/shell_link.h"
#include "browser/shell_namespace.h"
#include "browser/shell_path.h"
#include "browser/shell_tree_model.h"

#include <QApplication>

namespace fif {

TJamShellTree::TJamShellTree(QWidget* parent) : QTreeView(parent), model_(new TShellTreeModel(this)) {
    setModel(model_);
    setHeaderHidden(true);
    setIndentation(19);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The system's icon-title font, in place of whatever the window sets around the tree.
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    setFont(font);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(model_, &TShellTreeModel::ChildrenLoaded, this, &TJamShellTree::OnChildrenLoaded);
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (model_->canFetchMore(index)) model_->fetchMore(index);
    });

    const QModelIndex desktop = model_->DesktopIndex();
    SelectQuietly(desktop);
    expand(desktop);
}

TJamShellLink* TJamShellTree::ShellLink() const { return link_; }

void TJamShellTree::SetShellLink(TJamShellLink* link) {
    if (link_) disconnect(link_, nullptr, this, nullptr);
    link_ = link;
    if (!link) return;
    connect(link, &TJamShellLink::FolderChanged, this, [this](const TShellPlace& place, QObject* source) {
        if (source != this) GoTo(place);
    });
    const QModelIndex current = currentIndex();
    if (!current.isValid() || TShellNamespace::Normalized(model_->PlaceOf(current)) != link->Current())
        GoTo(link->Current());
}

QString TJamShellTree::SelectedFolder() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return {};
    const TShellPlace place = model_->PlaceOf(rows.first());
    return place.HasPath() ? shellpath::ToText(place.path) : QString();
}

void TJamShellTree::GoTo(const TShellPlace& target) {
    going_ = false;
    const TShellPlace place = TShellNamespace::Normalized(target);
    switch (place.kind) {
        case TShellPlace::Kind::Desktop:
            SelectQuietly(model_->DesktopIndex());
            return;
        case TShellPlace::Kind::Computer:
            SelectQuietly(model_->ComputerIndex());
            return;
        case TShellPlace::Kind::Folder:
            break;
    }
    QList<QByteArray> parts;
    const QModelIndex root = model_->RootFor(place.path, &parts);
    if (!root.isValid()) return;
    going_ = true;
    goRoot_ = root;
    goParts_ = parts;
    goWaitFor_ = QPersistentModelIndex();
    goRefreshed_ = QPersistentModelIndex();
    ContinueGoTo();
}

void TJamShellTree::ContinueGoTo() {
    QModelIndex node = goRoot_;
    for (const QByteArray& part : std::as_const(goParts_)) {
        if (!model_->IsLoaded(node)) {
            // The nearest ancestor shown so far is selected while its children are read.
            SelectQuietly(node);
            goWaitFor_ = node;
            expand(node);
            if (model_->canFetchMore(node)) model_->fetchMore(node);
            return;
        }
        const QModelIndex child = model_->FindChild(node, part);
        if (!child.isValid()) {
            SelectQuietly(node);
            // The folder may be newer than the tree's last read of its parent: read it once
            // more, and stay at the ancestor if it is still not there.
            if (goRefreshed_ != node) {
                goRefreshed_ = node;
                goWaitFor_ = node;
                model_->Refresh(node);
                return;
            }
            going_ = false;
            return;
        }
        expand(node);
        node = child;
    }
    SelectQuietly(node);
    going_ = false;
}

void TJamShellTree::OnChildrenLoaded(const QModelIndex& parent) {
    if (going_ && parent == goWaitFor_) ContinueGoTo();
}

void TJamShellTree::OnCurrentChanged(const QModelIndex& current) {
    if (selecting_) return;
    going_ = false;  // the user chose: a way still being gone is given up
    if (current.isValid() && link_) link_->Navigate(model_->PlaceOf(current), this);
}

void TJamShellTree::SelectQuietly(const QModelIndex& index) {
    selecting_ = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
    selecting_ = false;
}

}  // namespace fif
