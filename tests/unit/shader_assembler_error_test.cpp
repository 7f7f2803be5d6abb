// Bad shader sources: each must fail with its message at the right line and column.
#include <gtest/gtest.h>

#include <string>

#include "shader_assembler/assembler.h"

namespace {

struct BadSource {
    const char* name;
    const char* source;
    int line;
    int column;
    const char* message;
};

const BadSource kBadSources[] = {
    // The version line.
    {"EmptySource", "", 1, 1, "missing version line (vs.1.1, or ps.1.1 to ps.1.4) before the first instruction"},
    {"NoVersionLine", "; comment\nmov r0, v0\n", 2, 1, "missing version line (vs.1.1, or ps.1.1 to ps.1.4) before the first instruction"},
    {"InstructionOnTheVersionLine", "vs.1.1 mov r0, v0\n", 1, 8, "unexpected 'mov' after the version"},
    {"UnsupportedVersion", "ps.2.0\nmov r0, v0\n", 1, 1, "unsupported shader version 'ps.2.0' (use vs.1.1, or ps.1.1 to ps.1.4)"},
    // Characters and comments.
    {"StrayCharacter", "vs.1.1\nmov r0, v0 $\n", 2, 12, "unexpected character '$'"},
    {"UnclosedBlockComment", "vs.1.1\n  /* open\nmov r0, v0\n", 2, 3, "unterminated '/*' comment"},
    {"ColumnAfterBlockComment", "vs.1.1\n/* x */ mov r0, q0\n", 2, 17, "unknown register 'q0'"},
    // Instructions.
    {"UnknownInstruction", "vs.1.1\n  foo r0, v0\n", 2, 3, "unknown instruction 'foo'"},
    {"InstructionOfALaterVersion", "ps.1.1\ntexld r0, t0\n", 2, 1, "'texld' is not available in ps.1.1"},
    {"InstructionOfAnEarlierVersion", "ps.1.4\ntex t0\n", 2, 1, "'tex' is not available in ps.1.4"},
    {"PixelInstructionInVertexShader", "vs.1.1\nlrp r0, v0, v1, v2\n", 2, 1, "'lrp' is not available in vs.1.1"},
    {"TooFewOperands", "vs.1.1\nadd r0, v0\n", 2, 11, "'add' takes 3 operands, found 2"},
    {"TrailingComma", "vs.1.1\nadd r0, v0,\n", 2, 12, "'add' takes 3 operands, found 2"},
    {"TooManyOperands", "vs.1.1\nmov r0, v0, v1\n", 2, 13, "'mov' takes 2 operands, found 3"},
    {"OperandOnNop", "ps.1.1\nnop r0\n", 2, 5, "'nop' takes no operands, found 1"},
    {"EmptyOperand", "vs.1.1\nadd r0, , v1\n", 2, 9, "expected a register, found ','"},
    {"DefAfterInstruction", "ps.1.1\nmov r0, v0\ndef c0, 1, 2, 3, 4\n", 3, 1, "def must come before the other instructions"},
    {"DefNeedsNumbers", "ps.1.1\ndef c0, 1, 2, x, 4\n", 2, 15, "expected a number, found 'x'"},
    {"DefNumberTooLarge", "ps.1.1\ndef c0, 1e99, 0, 0, 0\n", 2, 9, "number '1e99' does not fit a 32-bit float"},
    {"DefSetsConstants", "ps.1.1\ndef r0, 1, 2, 3, 4\n", 2, 5, "expected a constant register c#, found 'r0'"},
    {"PhaseTwice", "ps.1.4\nphase\nphase\n", 3, 1, "phase may appear only once"},
    // Registers.
    {"UnknownRegister", "vs.1.1\nmov r0, q0\n", 2, 9, "unknown register 'q0'"},
    {"TemporaryOutOfRange", "vs.1.1\nmov r12, v0\n", 2, 5, "register 'r12' is out of range for vs.1.1 (r0 to r11)"},
    {"TextureOutOfRange", "ps.1.1\nmov r0, t4\n", 2, 9, "register 't4' is out of range for ps.1.1 (t0 to t3)"},
    {"ConstantOutOfRange", "ps.1.4\nmov r0, c8\n", 2, 9, "register 'c8' is out of range for ps.1.4 (c0 to c7)"},
    {"HugeRegisterNumber", "vs.1.1\nmov r0, c99999999999\n", 2, 9, "register 'c99999999999' is out of range for vs.1.1 (c0 to c255)"},
    {"VertexRegisterInPixelShader", "ps.1.4\nmov oPos, r0\n", 2, 5, "register 'oPos' is not available in ps.1.4"},
    {"WriteToConstant", "vs.1.1\nmov c0, r0\n", 2, 5, "register 'c0' cannot be written"},
    {"ReadOfOutput", "vs.1.1\nmov r0, oD0\n", 2, 9, "register 'oD0' cannot be read here"},
    {"Ps14TextureReadByArithmetic", "ps.1.4\nmov r0, t0\n", 2, 9, "register 't0' cannot be read here"},
    {"TextureInstructionNeedsT", "ps.1.1\ntexbem r0, t0\n", 2, 8, "expected a texture register t#, found 'r0'"},
    {"TexcrdReadsOnlyT", "ps.1.4\ntexcrd r0, r1\n", 2, 12, "expected a texture register t#, found 'r1'"},
    // Masks and swizzles.
    {"MaskOutOfOrder", "vs.1.1\nmov r0.yx, v0\n", 2, 8, "bad write mask 'yx'"},
    {"MaskMixesLetterSets", "vs.1.1\nmov r0.xg, v0\n", 2, 8, "bad write mask 'xg'"},
    {"SwizzleBadLetter", "vs.1.1\nmov r0, v0.xq\n", 2, 12, "bad swizzle 'xq'"},
    {"SwizzleTooLong", "vs.1.1\nmov r0, v0.xyzwx\n", 2, 12, "bad swizzle 'xyzwx'"},
    {"Ps11MaskRg", "ps.1.1\nmov r0.rg, v0\n", 2, 8, "write mask 'rg' is not allowed in ps.1.1 (use .rgb, .a or none)"},
    {"Ps11GreenReplicate", "ps.1.1\nmov r0, v0.g\n", 2, 12, "swizzle 'g' is not allowed in ps.1.1 (use .b, .a or none)"},
    {"Ps14FullSwizzle", "ps.1.4\nmov r0, v0.wzyx\n", 2, 12, "swizzle 'wzyx' is not allowed in ps.1.4 (use .r, .g, .b, .a or none)"},
    {"TexldSwizzle", "ps.1.4\ntexld r0, t0.xy\n", 2, 14, "swizzle 'xy' is not allowed here (use .xyz, .xyw or none)"},
    {"ScalarOutputMask", "vs.1.1\nmov oFog.y, r0\n", 2, 10, "register 'oFog' is scalar: use .x or no mask"},
    // Modifiers.
    {"VertexResultModifier", "vs.1.1\nmov_sat r0, v0\n", 2, 4, "instruction modifier '_sat' is not available in vs.1.1"},
    {"UnknownResultModifier", "ps.1.1\nmul_x3 r0, v0, v1\n", 2, 4, "unknown instruction modifier '_x3'"},
    {"Ps11TimesEight", "ps.1.1\nmul_sat_x8 r0, v0, v1\n", 2, 8, "instruction modifier '_x8' is not available in ps.1.1"},
    {"TwoScales", "ps.1.1\nmul_x2_d2 r0, v0, v1\n", 2, 7, "more than one result scale"},
    {"ModifierOnTextureInstruction", "ps.1.1\ntex_sat t0\n", 2, 4, "'tex' takes no instruction modifiers"},
    {"ModifierOnDestination", "ps.1.1\nmov r0_x2, v0\n", 2, 7, "a destination takes no modifier '_x2' (result modifiers go on the instruction name)"},
    {"UnknownSourceModifier", "ps.1.1\nmov r0, -v0_foo\n", 2, 12, "unknown source modifier '_foo'"},
    {"Ps11SourceTimesTwo", "ps.1.1\nmov r0, v0_x2\n", 2, 11, "'_x2' is not available in ps.1.1"},
    {"VertexSourceBias", "vs.1.1\nmov r0, v0_bias\n", 2, 11, "'_bias' is not available in vs.1.1"},
    {"VertexComplement", "vs.1.1\nmov r0, 1-v0\n", 2, 9, "'1-' is not available in vs.1.1"},
    {"ComplementWithBias", "ps.1.1\nmov r0, 1-v0_bias\n", 2, 9, "'1-' cannot be combined with '_bias'"},
    {"DivideOnArithmetic", "ps.1.4\nmov r0, r1_dz\n", 2, 11, "'_dz' applies only to the coordinates of texld and texcrd"},
    {"NegatedDivide", "ps.1.4\ntexld r0, -t0_dz\n", 2, 11, "'-' cannot be combined with '_dz'"},
    // Relative addressing and co-issue.
    {"RelativeNeedsA0x", "vs.1.1\nmov r0, c[a0.y]\n", 2, 11, "relative addressing uses a0.x"},
    {"RelativeNegativeOffset", "vs.1.1\nmov r0, c[a0.x - 1]\n", 2, 16, "expected ']' (offsets cannot be negative), found '-'"},
    {"RelativeInPixelShader", "ps.1.1\nmov r0, c[a0.x]\n", 2, 11, "relative addressing is not available in ps.1.1"},
    {"RelativeOutOfRange", "vs.1.1\nmov r0, c[a0.x + 256]\n", 2, 9, "register 'c256' is out of range for vs.1.1 (c0 to c255)"},
    {"CoissueFirst", "ps.1.1\n+mov r0.a, v0\n", 2, 1, "'+' pairs an arithmetic instruction with the one before it"},
    {"CoissueAfterTexture", "ps.1.1\ntex t0\n+mov r0.a, t0\n", 3, 1, "'+' pairs an arithmetic instruction with the one before it"},
    {"CoissueThree", "ps.1.1\nmov r0.rgb, v0\n+mov r0.a, v1\n+mov r1.a, v1\n", 4, 1, "'+' pairs an arithmetic instruction with the one before it"},
    {"CoissueInVertexShader", "vs.1.1\nmov r0, v0\n+mov r1, v0\n", 3, 1, "co-issue '+' is not available in vs.1.1"},
    // vs.1.1 declarations.
    {"UnknownDeclaration", "vs.1.1\ndcl_colour v0\n", 2, 1, "unknown declaration 'dcl_colour'"},
    {"DeclarationOfNonInput", "vs.1.1\ndcl_position r0\n", 2, 14, "expected an input register v#, found 'r0'"},
    {"DeclarationInPixelShader", "ps.1.1\ndcl_position v0\n", 2, 1, "'dcl' is not available in ps.1.1"},
};

class BadSourceTest : public ::testing::TestWithParam<BadSource> {};

TEST_P(BadSourceTest, FailsWithPositionAndMessage) {
    const BadSource& bad = GetParam();
    const d3d8asm::AssemblyResult result = d3d8asm::assemble(bad.source);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.tokens.empty());
    EXPECT_EQ(d3d8asm::formatDiagnostic("x.sh", *result.error),
              "x.sh:" + std::to_string(bad.line) + ":" + std::to_string(bad.column) + ": error: " + bad.message);
}

INSTANTIATE_TEST_SUITE_P(Assembler, BadSourceTest, ::testing::ValuesIn(kBadSources),
                         [](const ::testing::TestParamInfo<BadSource>& info) { return std::string(info.param.name); });

}  // namespace
