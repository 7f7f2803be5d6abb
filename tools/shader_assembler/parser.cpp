#include "parser.h"

#include <algorithm>
#include <string>

#include "declaration.h"
#include "operand_parser.h"
#include "result_modifiers.h"
#include "text.h"
#include "token_cursor.h"

namespace d3d8asm {
namespace {

struct Statement {
    std::span<const Token> tokens;
    SourcePosition end;  // just past the last token
};

std::vector<Statement> splitStatements(std::span<const Token> tokens) {
    std::vector<Statement> statements;
    size_t start = 0;
    for (size_t i = 0; i <= tokens.size(); ++i) {
        if (i < tokens.size() && tokens[i].kind != TokenKind::Newline) continue;
        if (i > start) statements.push_back({tokens.subspan(start, i - start), tokens[i - 1].end()});
        start = i + 1;
    }
    return statements;
}

ShaderVersion parseVersion(const Statement* first) {
    const std::string expected = "missing version line (vs.1.1, or ps.1.1 to ps.1.4) before the first instruction";
    if (!first) throw AssemblyError({1, 1}, expected);
    std::string text;
    for (size_t i = 0; i < first->tokens.size(); ++i) {
        text += first->tokens[i].text;
        const auto version = parseVersionName(text);
        if (!version) continue;
        if (i + 1 < first->tokens.size()) {
            throw AssemblyError(first->tokens[i + 1].position,
                                "unexpected " + quoted(first->tokens[i + 1].text) + " after the version");
        }
        return *version;
    }
    const std::string head = toLower(first->tokens.front().text);
    if (head == "vs" || head == "ps" || head.starts_with("vs_") || head.starts_with("ps_")) {
        throw AssemblyError(first->tokens.front().position,
                            "unsupported shader version " + quoted(text) + " (use vs.1.1, or ps.1.1 to ps.1.4)");
    }
    throw AssemblyError(first->tokens.front().position, expected);
}

std::string operandCountText(size_t count) {
    if (count == 0) return "no operands";
    return std::to_string(count) + (count == 1 ? " operand" : " operands");
}

class ProgramParser {
public:
    explicit ProgramParser(ShaderVersion version) { program_.version = version; }

    void parseStatement(const Statement& statement) {
        TokenCursor cursor(statement.tokens, statement.end);
        const SourcePosition coissuePosition = cursor.position();
        const bool coissue = cursor.accept(TokenKind::Plus);
        const Token& mnemonic = cursor.expect(TokenKind::Identifier, "an instruction");
        const size_t underscore = std::min(mnemonic.text.find('_'), mnemonic.text.size());
        const std::string name = toLower(mnemonic.text.substr(0, underscore));
        if (name == "dcl" && !coissue) return parseDeclaration(mnemonic, cursor, program_.version);

        Instruction instruction;
        instruction.info = findInstruction(name, program_.version);
        if (!instruction.info) {
            throw AssemblyError(mnemonic.position,
                                isKnownInstruction(name) ? quoted(name) + " is not available in " + versionText()
                                                         : "unknown instruction " + quoted(mnemonic.text.substr(0, underscore)));
        }
        instruction.coissue = coissue;
        applyResultModifiers(instruction, mnemonic, mnemonic.text.substr(underscore), program_.version);
        checkPlacement(instruction, mnemonic, coissuePosition);
        checkOperandCount(instruction, statement, cursor);
        for (size_t i = 0; i < instruction.info->operands.size(); ++i) {
            if (i > 0) cursor.expect(TokenKind::Comma, "','");
            instruction.operands.push_back(parseOperand(cursor, instruction.info->operands[i], program_.version));
        }
        cursor.expectEnd();
        program_.instructions.push_back(std::move(instruction));
    }

    Program take() { return std::move(program_); }

private:
    std::string versionText() const { return std::string(versionName(program_.version)); }

    // Counts the comma-separated operands left on the line before reading any,
    // so that a missing or extra one is named as such.
    void checkOperandCount(const Instruction& instruction, const Statement& statement, const TokenCursor& cursor) const {
        const size_t expected = instruction.info->operands.size();
        std::vector<SourcePosition> starts;  // where each operand begins
        bool atOperandStart = true;
        for (const Token& token : cursor.remaining()) {
            if (atOperandStart) starts.push_back(token.position);
            atOperandStart = token.kind == TokenKind::Comma;
        }
        if (starts.size() == expected) return;
        throw AssemblyError(starts.size() < expected ? statement.end : starts[expected],
                            quoted(instruction.info->name) + " takes " + operandCountText(expected) + ", found " +
                                std::to_string(starts.size()));
    }

    // def before everything else, phase once, '+' only to pair two arithmetic instructions.
    void checkPlacement(const Instruction& instruction, const Token& mnemonic, SourcePosition coissuePosition) {
        const InstructionInfo& info = *instruction.info;
        if (info.name == "def" && !program_.instructions.empty() &&
            program_.instructions.back().info->name != "def") {
            throw AssemblyError(mnemonic.position, "def must come before the other instructions");
        }
        if (info.name == "phase") {
            if (sawPhase_) throw AssemblyError(mnemonic.position, "phase may appear only once");
            sawPhase_ = true;
        }
        if (!instruction.coissue) return;
        if (!isPixelShader(program_.version)) {
            throw AssemblyError(coissuePosition, "co-issue '+' is not available in " + versionText());
        }
        const Instruction* previous = program_.instructions.empty() ? nullptr : &program_.instructions.back();
        if (!info.arithmetic || !previous || !previous->info->arithmetic || previous->coissue) {
            throw AssemblyError(coissuePosition, "'+' pairs an arithmetic instruction with the one before it");
        }
    }

    Program program_;
    bool sawPhase_ = false;
};

}  // namespace

Program parseProgram(std::span<const Token> tokens) {
    const std::vector<Statement> statements = splitStatements(tokens);
    ProgramParser parser(parseVersion(statements.empty() ? nullptr : &statements.front()));
    for (size_t i = 1; i < statements.size(); ++i) parser.parseStatement(statements[i]);
    return parser.take();
}

}  // namespace d3d8asm
