#pragma once

#include "results/memo_lexer.h"

#include <QFont>
#include <memory>
#include <unordered_map>

class QObject;

namespace fif {

// The viewer's lexers, one per syntax style, made when a style is first shown and kept
// while the style lives, so that switching between files does not rebuild them.
class TMemoLexerCache {
public:
    explicit TMemoLexerCache(const QFont& baseFont) : baseFont_(baseFont) {}

    TMemoLexer* LexerFor(const TAdvCustomMemoStyler& style);

    // Drops the lexer of a style that is being destroyed. The viewer must have stopped
    // using it.
    void Forget(const QObject* style) { lexers_.erase(style); }

private:
    QFont baseFont_;
    std::unordered_map<const QObject*, std::unique_ptr<TMemoLexer>> lexers_;
};

}  // namespace fif
