// d3d8asm INPUT OUTPUT as the build and modders run it: a shader file on
// success, and on error a located message, exit status 1 and no output file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "shader_assembler/assembler.h"

namespace {

namespace fs = std::filesystem;

class AssemblerCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(::testing::TempDir()) / "d3d8asm_cli_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& name, const std::string& content) {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return dir_ / name;
    }

    static std::string read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        return content.str();
    }

    // Runs the tool; returns its exit status and keeps its standard error.
    int run(const fs::path& input, const fs::path& output) {
        const std::string command = std::string("'") + D3D8ASM_PATH + "' '" + input.string() + "' '" + output.string() +
                                    "' 2> '" + (dir_ / "stderr.txt").string() + "'";
        const int status = std::system(command.c_str());
        stderr_ = read(dir_ / "stderr.txt");
        fs::remove(dir_ / "stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::set<std::string> filesInDir() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.insert(entry.path().filename().string());
        return names;
    }

    fs::path dir_;
    std::string stderr_;
};

TEST_F(AssemblerCli, WritesLittleEndianTokens) {
    const std::string source = "ps.1.1\ntex t0\nmul r0, t0, v0\n";
    const fs::path input = write("good.psh", source);
    ASSERT_EQ(run(input, dir_ / "good.pso"), 0) << stderr_;
    EXPECT_EQ(stderr_, "");

    std::string expected;
    for (uint32_t token : d3d8asm::assemble(source).tokens) {
        for (int shift = 0; shift < 32; shift += 8) expected.push_back(char((token >> shift) & 0xFF));
    }
    EXPECT_EQ(read(dir_ / "good.pso"), expected);
    EXPECT_EQ(expected.substr(0, 4), std::string("\x01\x01\xFF\xFF", 4));
    EXPECT_EQ(filesInDir(), (std::set<std::string>{"good.psh", "good.pso"}));  // no temporary left
}

TEST_F(AssemblerCli, ErrorNamesFileLineAndColumnAndWritesNothing) {
    const fs::path input = write("bad.psh", "ps.1.1\ntex t0\nmul r0, t0, v7\n");
    EXPECT_EQ(run(input, dir_ / "bad.pso"), 1);
    EXPECT_EQ(stderr_, input.string() + ":3:13: error: register 'v7' is out of range for ps.1.1 (v0 to v1)\n");
    EXPECT_EQ(filesInDir(), (std::set<std::string>{"bad.psh"}));
}

TEST_F(AssemblerCli, ErrorLeavesAnEarlierOutputUntouched) {
    const fs::path input = write("bad.vsh", "vs.1.1\nmov oPos, q0\n");
    const fs::path output = write("bad.vso", "previous build");
    EXPECT_EQ(run(input, output), 1);
    EXPECT_EQ(read(output), "previous build");
    EXPECT_EQ(filesInDir(), (std::set<std::string>{"bad.vsh", "bad.vso"}));
}

TEST_F(AssemblerCli, MissingInputOrUnwritableOutputFails) {
    EXPECT_EQ(run(dir_ / "absent.vsh", dir_ / "absent.vso"), 1);
    EXPECT_NE(stderr_.find("absent.vsh: error: cannot open the file"), std::string::npos) << stderr_;
    EXPECT_FALSE(fs::exists(dir_ / "absent.vso"));

    const fs::path input = write("good.vsh", "vs.1.1\nmov oPos, v0\n");
    EXPECT_EQ(run(input, dir_ / "no_such_dir" / "good.vso"), 1);
    EXPECT_NE(stderr_.find("good.vso: error: cannot create a file beside"), std::string::npos) << stderr_;
}

}  // namespace
