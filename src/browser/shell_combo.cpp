#include "browser/shell_combo.h"

#include "browser/shell_combo_delegate.h"
#include "browser/shell_icons.h"
#include "browser/shell_link.h"
#include "browser/shell_namespace.h"
#include "browser/shell_path.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace fif {
namespace {

// The window's Korean sans-serif at its design height.
QFont ComboFont() {
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

TJamShellCombo::TJamShellCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);  // completing against the outline's names would rewrite typed paths
    setFont(ComboFont());
    setItemDelegate(new TShellComboDelegate(kItemHeight, this));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    connect(this, &QComboBox::activated, this, [this](int row) {
        const QVariant data = itemData(row);
        if (data.canConvert<TShellPlace>()) Navigate(data.value<TShellPlace>());
    });
    // Enter is taken from the edit before it reaches the combo's own handling, which would
    // pass it back to the edit a second time.
    lineEdit()->installEventFilter(this);

    GoTo(TShellPlace::Desktop(TShellNamespace::DesktopPath()));
}

TJamShellLink* TJamShellCombo::ShellLink() const { return link_; }

void TJamShellCombo::SetShellLink(TJamShellLink* link) {
    if (link_) disconnect(link_, nullptr, this, nullptr);
    link_ = link;
    if (!link) return;
    connect(link, &TJamShellLink::FolderChanged, this, [this](const TShellPlace& place, QObject* source) {
        if (source != this) GoTo(place);
    });
    if (place_ != link->Current()) GoTo(link->Current());
}

void TJamShellCombo::GoTo(const TShellPlace& place) {
    place_ = TShellNamespace::Normalized(place);
    FillItems();
}

void TJamShellCombo::SetShowFullPath(bool on) {
    showFullPath_ = on;
    ShowPlaceText();
}

bool TJamShellCombo::GoToText(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) return false;
    if (text == TShellNamespace::DesktopName()) {
        Navigate(TShellPlace::Desktop(TShellNamespace::DesktopPath()));
        return true;
    }
    if (text == TShellNamespace::ComputerName()) {
        Navigate(TShellPlace::Computer());
        return true;
    }
    if (text == TShellNamespace::HomeName()) {
        Navigate(TShellPlace::Folder(TShellNamespace::HomePath()));
        return true;
    }
    // Typed text keeps the bytes it stands for, so a path shown with escaped bytes can be
    // confirmed as it stands.
    QByteArray raw = shellpath::FromText(text);
    if (raw == "~" || raw.startsWith("~/")) raw = TShellNamespace::HomePath() + raw.mid(1);
    const QByteArray path = shellpath::Clean(raw, place_.path);
    if (path.isEmpty() || !shellpath::IsFolder(path)) {
        Reject(shellpath::Exists(path) ? QStringLiteral("폴더가 아닙니다: %1").arg(text)
                                       : QStringLiteral("폴더를 찾을 수 없습니다: %1").arg(text));
        return false;
    }
    Navigate(TShellPlace::Folder(path));
    return true;
}

bool TJamShellCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            GoToText(lineEdit()->text());
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void TJamShellCombo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {  // give up what was typed
        ShowPlaceText();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TJamShellCombo::Navigate(const TShellPlace& place) {
    GoTo(place);
    if (link_) link_->Navigate(place_, this);
}

void TJamShellCombo::FillItems() {
    clear();
    int currentRow = -1;
    const auto add = [&](const TShellPlace& place, const QString& name, const QIcon& icon, int depth) {
        addItem(icon, name, QVariant::fromValue(place));
        setItemData(count() - 1, depth, TShellComboDelegate::kDepthRole);
        if (TShellNamespace::Normalized(place) == place_) currentRow = count() - 1;
    };

    const TShellRoot desktop = TShellNamespace::DesktopRoot();
    const TShellRoot home = TShellNamespace::HomeRoot();
    const std::vector<TShellRoot> volumes = TShellNamespace::Volumes();
    // The current folder's ancestors hang below the top node that the tree shows it under.
    std::vector<QByteArray> roots{desktop.place.path, home.place.path};
    for (const TShellRoot& volume : volumes) roots.push_back(volume.place.path);
    QList<QByteArray> parts;
    const int under = place_.kind == TShellPlace::Kind::Folder
                          ? TShellNamespace::DeepestRoot(place_.path, roots, &parts)
                          : -1;
    const auto addAncestors = [&](int root, int depth) {
        if (root != under) return;
        QByteArray path = roots[static_cast<std::size_t>(root)];
        for (const QByteArray& part : std::as_const(parts)) {
            path = shellpath::Join(path, part);
            add(TShellPlace::Folder(path), shellpath::DisplayName(part), TShellIcons::Folder(), ++depth);
        }
    };

    add(desktop.place, desktop.name, desktop.icon, 0);
    const TShellRoot computer = TShellNamespace::ComputerRoot();
    add(computer.place, computer.name, computer.icon, 1);
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        add(volumes[i].place, volumes[i].name, volumes[i].icon, 2);
        addAncestors(static_cast<int>(i) + 2, 2);
    }
    add(home.place, home.name, home.icon, 1);
    addAncestors(1, 1);
    addAncestors(0, 0);

    if (currentRow >= 0) setCurrentIndex(currentRow);
    ShowPlaceText();
}

void TJamShellCombo::ShowPlaceText() {
    setEditText(showFullPath_ ? TShellNamespace::FullText(place_) : TShellNamespace::NameOf(place_));
}

void TJamShellCombo::Reject(const QString& message) {
    lineEdit()->selectAll();
    QToolTip::showText(mapToGlobal(QPoint(0, height())), message, this);
    emit PathRejected(message);
}

}  // namespace fif
