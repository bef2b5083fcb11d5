#pragma once

#include <QFrame>

class QListWidget;
class QListWidgetItem;

namespace fif {

class TResultFilterProxy;

// The drop-down of a column's filter button: "(All)" and then every distinct value of the
// column, each with a check box. A change takes effect at once: with every value checked
// the column has no filter; otherwise only the rows whose value is checked are shown.
// The popup deletes itself when it closes.
class TResultFilterPopup : public QFrame {
    Q_OBJECT

public:
    static const QString& AllText();

    TResultFilterPopup(TResultFilterProxy& proxy, int column, QWidget* parent = nullptr);

    // Opens under `anchor` (global coordinates), its right edge on the anchor's.
    void ShowBelow(const QRect& anchor);

    QListWidget& List() const { return *list_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnItemChanged(QListWidgetItem* item);
    void SetEveryValue(Qt::CheckState state);
    void UpdateAllItem();
    void Apply();

    TResultFilterProxy& proxy_;
    const int column_;
    QListWidget* list_;
    QListWidgetItem* all_;
    bool updating_ = false;  // true while the popup itself sets check states
};

}  // namespace fif
