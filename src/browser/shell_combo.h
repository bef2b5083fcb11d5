#pragma once

#include "browser/shell_place.h"

#include <QComboBox>
#include <QPointer>

namespace fif {

class TJamShellLink;

// The path combo of the browser: shows the current folder's full path (or the node's name
// where it has none); its drop-down offers the top nodes and the current folder's
// ancestors; a path typed and confirmed with Enter is gone to, when it names a folder.
class TJamShellCombo : public QComboBox {
    Q_OBJECT

public:
    static constexpr int kItemHeight = 16;

    // Starts at the desktop.
    explicit TJamShellCombo(QWidget* parent = nullptr);

    void SetShellLink(TJamShellLink* link);
    TJamShellLink* ShellLink() const;

    // Shows `place` (full path, or its name when ShowFullPath is off or it has no path).
    void GoTo(const TShellPlace& place);
    const TShellPlace& Place() const { return place_; }

    void SetShowFullPath(bool on);
    bool ShowFullPath() const { return showFullPath_; }

    // Goes to the folder that `text` names, as Enter does with the typed text: an absolute
    // path, a path relative to the current folder, "~" for the home folder, or the name of
    // a top node. Text that names no folder changes nothing: false, and the reason is shown
    // under the combo and raised as PathRejected.
    bool GoToText(const QString& text);

signals:
    void PathRejected(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Navigate(const TShellPlace& place);
    void FillItems();
    void ShowPlaceText();
    void Reject(const QString& message);

    QPointer<TJamShellLink> link_;
    TShellPlace place_;
    bool showFullPath_ = true;
};

}  // namespace fif
