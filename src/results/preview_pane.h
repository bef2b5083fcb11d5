#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QLineEdit;

namespace fif {

class TAdvCustomMemoStyler;
class TAdvMemo;

// The preview pane's behaviour behind the window's three handlers: showing the file of a
// result row, find-next, and the cursor status. The window forwards its handlers here;
// the pane holds no widgets of its own and touches only those it is given.
class TPreviewPane {
public:
    // The syntax style for a file extension with its dot (".pas"), or null.
    using StyleLookup = std::function<TAdvCustomMemoStyler*(std::string_view extension)>;
    // Writes the cursor's status panel.
    using StatusSetter = std::function<void(const QString&)>;

    TPreviewPane(TAdvMemo* memo, QLineEdit* findNextEdit, StyleLookup styleLookup, StatusSetter setStatus);

    // A mouse release over the result list with a focused row (the window checks that
    // there is one): copies the search text into the find-next box, picks the style by
    // the name's extension, loads folder + name and selects the first occurrence, giving
    // the viewer the focus when there is one. Throws std::runtime_error when the file
    // cannot be opened; the box and the style are set by then.
    void ShowRecord(const std::string& fileName, const std::string& folder, const QString& searchText);

    // The find-next button: finds the find-next box's text from the cursor on, giving the
    // viewer the focus when found.
    void FindNext();

    // The viewer's cursor moved: writes "line / lines - column" into the status panel.
    void CursorChanged();

    // The part of a file name from its last dot on, the dot included; empty without a
    // dot ("a.b.pas" gives ".pas", ".cvsignore" the whole name).
    static std::string_view ExtensionOf(std::string_view fileName);

private:
    void FindAndFocus(int options);

    TAdvMemo* memo_;
    QLineEdit* findNextEdit_;
    StyleLookup styleLookup_;
    StatusSetter setStatus_;
};

}  // namespace fif
