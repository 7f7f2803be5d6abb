// The assembler against d3dx9: every corpus file must assemble to the tokens
// that tests/wine/check_assembler.sh produced for it, word for word.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shader_assembler/assembler.h"
#include "shader_assembler/instruction_table.h"
#include "shader_assembler/lexer.h"
#include "shader_assembler/register_table.h"

namespace {

namespace fs = std::filesystem;
using namespace d3d8asm;

const fs::path kCorpus = fs::path(SHADER_ASSEMBLER_TEST_DATA) / "corpus";
const fs::path kExpected = fs::path(SHADER_ASSEMBLER_TEST_DATA) / "expected";

std::string readText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<fs::path> corpusFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kCorpus)) {
        const fs::path extension = entry.path().extension();
        if (extension == ".vsh" || extension == ".psh") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Hex words as the expected files hold them, so a mismatch prints readably.
std::vector<std::string> hexWords(const std::vector<uint32_t>& tokens) {
    std::vector<std::string> words;
    for (uint32_t token : tokens) {
        char word[9];
        std::snprintf(word, sizeof word, "%08x", token);
        words.push_back(word);
    }
    return words;
}

std::vector<std::string> expectedWords(const fs::path& path) {
    std::vector<std::string> words;
    std::istringstream lines(readText(path));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) words.push_back(line);
    }
    return words;
}

ShaderVersion versionOf(uint32_t versionToken) {
    for (ShaderVersion version : {ShaderVersion::VS11, ShaderVersion::PS11, ShaderVersion::PS12,
                                  ShaderVersion::PS13, ShaderVersion::PS14}) {
        if (d3d8asm::versionToken(version) == versionToken) return version;
    }
    throw std::runtime_error("unknown version token");
}

class CorpusFile : public ::testing::TestWithParam<fs::path> {};

TEST_P(CorpusFile, AssemblesToTheReferenceTokens) {
    const fs::path source = GetParam();
    const fs::path expected = kExpected / (source.stem().string() + ".tokens");
    ASSERT_TRUE(fs::exists(expected)) << "no expected tokens for " << source << ": run tests/wine/check_assembler.sh --update";
    const AssemblyResult result = assemble(readText(source));
    ASSERT_TRUE(result.ok()) << formatDiagnostic(source.string(), *result.error);
    EXPECT_EQ(hexWords(result.tokens), expectedWords(expected));
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusFile, ::testing::ValuesIn(corpusFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& info) { return info.param.stem().string(); });

// The corpus is only worth its comparison if it keeps exercising every row of
// the instruction and register tables; and no expected file may lose its source.
TEST(CorpusCoverage, EveryInstructionAndRegisterFileAppearsInItsVersions) {
    std::set<std::pair<std::string, ShaderVersion>> mnemonics;
    std::set<const RegisterFile*> files;
    for (const fs::path& path : corpusFiles()) {
        const std::string text = readText(path);
        const AssemblyResult result = assemble(text);
        ASSERT_TRUE(result.ok()) << path;
        const ShaderVersion version = versionOf(result.tokens.front());
        const std::vector<Token> tokens = tokenize(text);
        bool lineStart = true;
        for (const Token& token : tokens) {
            if (token.kind == TokenKind::Identifier) {
                const std::string name = std::string(token.text.substr(0, token.text.find('_')));
                if (lineStart) mnemonics.insert({name, version});
                try {
                    files.insert(findRegister(name, version, token.position).file);
                } catch (const AssemblyError&) {
                    if (name == "c") files.insert(findRegisterFile("c", version));  // c[a0.x + n]
                }
            }
            lineStart = token.kind == TokenKind::Newline || (lineStart && token.kind == TokenKind::Plus);
        }
    }
    for (const InstructionInfo& row : instructionTable()) {
        bool used = false;
        for (const auto& [name, version] : mnemonics) used = used || (name == row.name && row.versions.contains(version));
        EXPECT_TRUE(used) << "no corpus file uses " << row.name << " (opcode " << row.opcode << ") where its row applies";
    }
    for (ShaderVersion version : {ShaderVersion::VS11, ShaderVersion::PS11, ShaderVersion::PS14}) {
        for (std::string_view name : {"r", "c", "v", "t", "a", "oPos", "oFog", "oPts", "oD", "oT"}) {
            const RegisterFile* file = findRegisterFile(name, version);
            EXPECT_TRUE(!file || files.count(file)) << "no corpus file uses " << name << " in " << versionName(version);
        }
    }
}

TEST(CorpusCoverage, EveryExpectedFileHasItsSource) {
    for (const auto& entry : fs::directory_iterator(kExpected)) {
        const std::string stem = entry.path().stem().string();
        EXPECT_TRUE(fs::exists(kCorpus / (stem + ".vsh")) || fs::exists(kCorpus / (stem + ".psh")))
            << entry.path() << " has no corpus file";
    }
}

}  // namespace
