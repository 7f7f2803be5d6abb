// Walks the tokens of one statement or operand and reports where reading stopped.
#pragma once

#include <span>
#include <string>

#include "lexer.h"

namespace d3d8asm {

class TokenCursor {
public:
    // `end` is where a missing token is reported: just past the last one read.
    TokenCursor(std::span<const Token> tokens, SourcePosition end) : tokens_(tokens), end_(end) {}

    std::span<const Token> remaining() const { return tokens_.subspan(index_); }
    bool atEnd() const { return index_ == tokens_.size(); }
    bool peekIs(TokenKind kind) const { return !atEnd() && tokens_[index_].kind == kind; }

    bool accept(TokenKind kind) {
        if (!peekIs(kind)) return false;
        ++index_;
        return true;
    }

    const Token& expect(TokenKind kind, const std::string& what) {
        if (!peekIs(kind)) fail("expected " + what);
        return tokens_[index_++];
    }

    // Where the next token starts, or the end when there is none.
    SourcePosition position() const { return atEnd() ? end_ : tokens_[index_].position; }

    [[noreturn]] void fail(const std::string& message) const {
        if (atEnd()) throw AssemblyError(end_, message);
        throw AssemblyError(position(), message + ", found " + describe(tokens_[index_]));
    }

    void expectEnd() const {
        if (!atEnd()) throw AssemblyError(position(), "unexpected " + describe(tokens_[index_]));
    }

private:
    static std::string describe(const Token& token) { return "'" + std::string(token.text) + "'"; }

    std::span<const Token> tokens_;
    SourcePosition end_;
    size_t index_ = 0;
};

}  // namespace d3d8asm
