#include "results/memo_lexer_cache.h"

namespace fif {

TMemoLexer* TMemoLexerCache::LexerFor(const TAdvCustomMemoStyler& style) {
    std::unique_ptr<TMemoLexer>& lexer = lexers_[&style];
    if (!lexer) lexer = std::make_unique<TMemoLexer>(style, baseFont_);
    return lexer.get();
}

}  // namespace fif
