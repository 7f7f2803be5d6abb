// Spellings d3dx9 does not share with the project's assembler, or that the
// corpus cannot show: each must assemble exactly like its plain form, which
// the corpus checks against d3dx9.
#include <gtest/gtest.h>

#include <string>

#include "shader_assembler/assembler.h"

namespace {

struct Spelling {
    const char* name;
    const char* variant;
    const char* plain;
};

const Spelling kSpellings[] = {
    {"UpperCase", "PS.1.1\nMUL_X2 R0.RGB, T0_BX2, -C1.A\nTEX T1\n", "ps.1.1\nmul_x2 r0.rgb, t0_bx2, -c1.a\ntex t1\n"},
    {"DivideByBlueIsDivideByZ", "ps.1.4\ntexld r0, t0_db.xyz\n", "ps.1.4\ntexld r0, t0_dz.xyz\n"},
    {"DivideByAlphaIsDivideByW", "ps.1.4\ntexld r0, t0_da.xyw\n", "ps.1.4\ntexld r0, t0_dw.xyw\n"},
    {"ColourLettersInVertexShader", "vs.1.1\nmov r0.rgb, v0.abgr\n", "vs.1.1\nmov r0.xyz, v0.wzyx\n"},
    {"ExponentsInDef", "ps.1.1\ndef c0, 2e-3, 1.5E2, -3e0, +1\n", "ps.1.1\ndef c0, 0.002, 150, -3, 1\n"},
    {"BracketedConstant", "vs.1.1\nadd r0, c[5], c[0]\n", "vs.1.1\nadd r0, c5, c0\n"},
    {"ResultModifiersInAnyOrder", "ps.1.4\nmul_sat_d8 r0, r1, r2\n", "ps.1.4\nmul_d8_sat r0, r1, r2\n"},
    {"ScalarOutputWithoutMask", "vs.1.1\nmov oFog, r0.x\nmov oPts, r0.y\n", "vs.1.1\nmov oFog.x, r0.x\nmov oPts.x, r0.y\n"},
    {"DeclarationsAddNoTokens", "vs.1.1\ndcl_position0 v0\ndcl_texcoord3 v1.xy\nmov oPos, v0\n", "vs.1.1\nmov oPos, v0\n"},
    {"WindowsLineEndings", "vs.1.1\r\nmov r0, v0 ; note\r\nmov oPos, r0\r\n", "vs.1.1\nmov r0, v0\nmov oPos, r0\n"},
    {"BlockCommentInsideAStatement", "vs.1.1\nadd r0, /* first\n second */ v0, v1\n", "vs.1.1\nadd r0, v0, v1\n"},
    {"CommentsAndBlankLinesEverywhere", "\n// head\n\nvs.1.1 ; version\n\n\tmov   r0 , v0 // copy\n", "vs.1.1\nmov r0, v0\n"},
    {"FullSwizzleAndMaskAreDefaults", "ps.1.4\nmov r0.rgba, v0.xyzw\n", "ps.1.4\nmov r0, v0\n"},
};

class SpellingTest : public ::testing::TestWithParam<Spelling> {};

TEST_P(SpellingTest, AssemblesLikeThePlainForm) {
    const d3d8asm::AssemblyResult variant = d3d8asm::assemble(GetParam().variant);
    const d3d8asm::AssemblyResult plain = d3d8asm::assemble(GetParam().plain);
    ASSERT_TRUE(variant.ok()) << variant.error->message;
    ASSERT_TRUE(plain.ok()) << plain.error->message;
    EXPECT_EQ(variant.tokens, plain.tokens);
}

INSTANTIATE_TEST_SUITE_P(Assembler, SpellingTest, ::testing::ValuesIn(kSpellings),
                         [](const ::testing::TestParamInfo<Spelling>& info) { return std::string(info.param.name); });

// The few encodings the tables decide alone, checked token by token.
TEST(AssemblerTokens, ScalarOutputsCarryTheXMask) {
    const d3d8asm::AssemblyResult result = d3d8asm::assemble("vs.1.1\nmov oFog, r0.x\n");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.tokens, (std::vector<uint32_t>{0xFFFE0101u, 0x00000001u, 0xC0010001u, 0x80000000u, 0x0000FFFFu}));
}

TEST(AssemblerTokens, DivideModifiersAreNineAndTen) {
    const d3d8asm::AssemblyResult result = d3d8asm::assemble("ps.1.4\ntexld r0, t0_db\ntexcrd r1, t1_da.xyw\n");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.tokens, (std::vector<uint32_t>{0xFFFF0104u, 0x42u, 0x800F0000u, 0xB9E40000u, 0x40u, 0x800F0001u,
                                                    0xBAF40001u, 0x0000FFFFu}));
}

}  // namespace
