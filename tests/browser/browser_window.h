#pragma once

#include "browser/shell_combo.h"
#include "browser/shell_link.h"
#include "browser/shell_list.h"
#include "browser/shell_list_model.h"
#include "browser/shell_tree.h"
#include "platform/code_page.h"

#include <QVBoxLayout>
#include <QWidget>

namespace fif::testing_support {

// The three controls on one link, laid out as the window does.
struct TBrowserWindow {
    QWidget window;
    TJamShellLink* link = new TJamShellLink(&window);
    TJamShellCombo* combo = new TJamShellCombo(&window);
    TJamShellTree* tree = new TJamShellTree(&window);
    TJamShellList* list = new TJamShellList(&window);

    TBrowserWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(combo);
        layout->addWidget(tree);
        layout->addWidget(list);
        tree->SetShellLink(link);
        list->SetShellLink(link);
        combo->SetShellLink(link);
        window.resize(600, 500);
        window.show();
    }

    // The row of the list that shows `name`, or -1.
    int ListRow(const QString& name) const {
        const TShellListModel* model = list->ShellModel();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 0).data().toString() == name) return row;
        return -1;
    }
};

inline QByteArray BytesOf(const QString& text) {
    return QByteArray::fromStdString(
        codepage::FromWide(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size())));
}

}  // namespace fif::testing_support
