#pragma once

#include "browser/shell_place.h"

#include <QPointer>
#include <QWidget>

class QAbstractItemView;
class QListView;
class QStackedLayout;
class QTreeView;

namespace fif {

class TJamShellLink;
class TShellCellDelegate;
class TShellListModel;

// The file list of the browser: the folders and files of the current place in one of four
// views. Opening a folder (double-click or Enter) moves the linked controls there; opening
// a file hands it to the program the desktop associates with it.
class TJamShellList : public QWidget {
    Q_OBJECT

public:
    enum ViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
    Q_ENUM(ViewStyle)

    // Starts at the desktop in the large-icon view, arranged automatically.
    explicit TJamShellList(QWidget* parent = nullptr);

    void SetShellLink(TJamShellLink* link);
    TJamShellLink* ShellLink() const;

    void SetViewStyle(ViewStyle style);
    ViewStyle GetViewStyle() const { return viewStyle_; }
    // The view selector's values: 0 vsIcon, 1 vsSmallIcon, 2 vsList, 3 vsReport. Any other
    // value changes nothing and gives false.
    bool SetViewStyleValue(int value);

    // Icons are laid out again to fill the width whenever the list is resized.
    void SetAutoArrange(bool on);
    bool AutoArrange() const { return autoArrange_; }

    void GoTo(const TShellPlace& place);
    const TShellPlace& Place() const;

    // What double-click and Enter do with a row.
    void OpenRow(int row);

    // The view now shown (a list view for the icon and list styles, a details view for
    // vsReport) and the model behind both.
    QAbstractItemView* CurrentView() const;
    TShellListModel* ShellModel() const { return model_; }

private:
    void ShowIn(QAbstractItemView* view);

    TShellListModel* model_;
    QListView* iconView_;
    TShellCellDelegate* cellDelegate_;
    QTreeView* reportView_;
    QStackedLayout* stack_;
    QPointer<TJamShellLink> link_;
    ViewStyle viewStyle_ = vsIcon;
    bool styled_ = false;  // a view style has been set up
    bool autoArrange_ = true;
};

// The view style for a value of the view selector; false (and `*style` untouched) for a
// value outside 0-3.
bool ViewStyleFromValue(int value, TJamShellList::ViewStyle* style);

}  // namespace fif
