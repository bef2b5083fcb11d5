#include "results/preview_pane.h"

#include "results/adv_memo.h"
#include "results/preview_status.h"

#include <QLineEdit>
#include <utility>

namespace fif {

TPreviewPane::TPreviewPane(TAdvMemo* memo, QLineEdit* findNextEdit, StyleLookup styleLookup, StatusSetter setStatus)
    : memo_(memo), findNextEdit_(findNextEdit), styleLookup_(std::move(styleLookup)), setStatus_(std::move(setStatus)) {}

// The name comes from a folder listing, so it holds no folder separator; only the last
// dot counts (a name may hold ":" or "\" on this system, and they stay in the extension,
// where no style's filter matches them).
std::string_view TPreviewPane::ExtensionOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
}

void TPreviewPane::ShowRecord(const std::string& fileName, const std::string& folder, const QString& searchText) {
    findNextEdit_->setText(searchText);
    memo_->SetSyntaxStyles(styleLookup_ ? styleLookup_(ExtensionOf(fileName)) : nullptr);
    memo_->LoadFromFile(folder + fileName);
    FindAndFocus(TAdvMemo::kFindForward);
}

void TPreviewPane::FindNext() { FindAndFocus(TAdvMemo::kFindForward | TAdvMemo::kFindNext); }

void TPreviewPane::FindAndFocus(int options) {
    if (memo_->FindTextFromCursor(findNextEdit_->text(), options) != -1) memo_->setFocus(Qt::OtherFocusReason);
}

void TPreviewPane::CursorChanged() {
    if (setStatus_) setStatus_(CursorStatusText(memo_->CursorLine(), memo_->LineCount(), memo_->CursorColumn()));
}

}  // namespace fif
