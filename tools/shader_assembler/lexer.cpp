#include "lexer.h"

#include <cctype>

namespace d3d8asm {
namespace {

bool isIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentifierChar(char c) { return isIdentifierStart(c) || std::isdigit(static_cast<unsigned char>(c)); }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

class Lexer {
public:
    explicit Lexer(std::string_view source) : source_(source) {}

    std::vector<Token> run() {
        while (offset_ < source_.size()) step();
        return std::move(tokens_);
    }

private:
    char at(size_t offset) const { return offset < source_.size() ? source_[offset] : '\0'; }

    void advance(size_t count) {
        for (size_t i = 0; i < count; ++i) {
            if (source_[offset_] == '\n') {
                ++position_.line;
                position_.column = 1;
            } else {
                ++position_.column;
            }
            ++offset_;
        }
    }

    void emit(TokenKind kind, size_t length) {
        tokens_.push_back({kind, source_.substr(offset_, length), position_});
        advance(length);
    }

    void step() {
        const char c = at(offset_);
        if (c == '\n') return emit(TokenKind::Newline, 1);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') return advance(1);
        if (c == ';' || (c == '/' && at(offset_ + 1) == '/')) return skipLineComment();
        if (c == '/' && at(offset_ + 1) == '*') return skipBlockComment();
        if (isIdentifierStart(c)) return emit(TokenKind::Identifier, identifierLength());
        if (isDigit(c)) return emit(TokenKind::Number, numberLength());
        switch (c) {
            case ',': return emit(TokenKind::Comma, 1);
            case '.': return emit(TokenKind::Dot, 1);
            case '+': return emit(TokenKind::Plus, 1);
            case '-': return emit(TokenKind::Minus, 1);
            case '[': return emit(TokenKind::LeftBracket, 1);
            case ']': return emit(TokenKind::RightBracket, 1);
            default: break;
        }
        const bool printable = std::isprint(static_cast<unsigned char>(c)) != 0;
        throw AssemblyError(position_, printable ? "unexpected character '" + std::string(1, c) + "'"
                                                 : "unexpected byte in source text");
    }

    void skipLineComment() {
        while (offset_ < source_.size() && source_[offset_] != '\n') advance(1);
    }

    void skipBlockComment() {
        const SourcePosition start = position_;
        advance(2);
        while (offset_ < source_.size()) {
            if (source_[offset_] == '*' && at(offset_ + 1) == '/') return advance(2);
            advance(1);
        }
        throw AssemblyError(start, "unterminated '/*' comment");
    }

    size_t identifierLength() const {
        size_t end = offset_;
        while (end < source_.size() && isIdentifierChar(source_[end])) ++end;
        return end - offset_;
    }

    // Digits, an optional fraction with at least one digit, an optional exponent.
    size_t numberLength() const {
        size_t end = offset_;
        while (isDigit(at(end))) ++end;
        if (at(end) == '.' && isDigit(at(end + 1))) {
            ++end;
            while (isDigit(at(end))) ++end;
        }
        if (at(end) == 'e' || at(end) == 'E') {
            size_t exponent = end + 1;
            if (at(exponent) == '+' || at(exponent) == '-') ++exponent;
            if (isDigit(at(exponent))) {
                end = exponent;
                while (isDigit(at(end))) ++end;
            }
        }
        return end - offset_;
    }

    std::string_view source_;
    size_t offset_ = 0;
    SourcePosition position_;
    std::vector<Token> tokens_;
};

}  // namespace

std::vector<Token> tokenize(std::string_view source) { return Lexer(source).run(); }

}  // namespace d3d8asm
