// The diagnostic channel's formats and flushing, and the fatal message box.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <sstream>
#include <streambuf>

#include "diagnostics/diagnostic_log.h"
#include "diagnostics/fatal_resource_error.h"

namespace d3d8water::testing {
namespace {

// A stream that counts its flushes.
class CountingBuffer : public std::stringbuf {
public:
    int flushes = 0;

protected:
    int sync() override {
        ++flushes;
        return std::stringbuf::sync();
    }
};

class DiagnosticLogTest : public ::testing::Test {
protected:
    DiagnosticLogTest() : stream(&buffer) { log.redirect(&stream); }
    std::string text() const { return buffer.str(); }

    CountingBuffer buffer;
    std::ostream stream;
    DiagnosticLog log;
};

TEST_F(DiagnosticLogTest, FloatsUseGeneralNotationWithSixSignificantDigits) {
    const std::pair<float, const char*> cases[] = {
        {0.125f, "0.125"},     {1.0f / 255.0f, "0.00392157"}, {0.0f, "0"},        {1.0f, "1"},
        {0.118f, "0.118"},     {0.098f, "0.098"},              {-2.5f, "-2.5"},    {0.0001f, "0.0001"},
        {0.00001f, "1e-05"},   {123456.0f, "123456"},          {1234567.0f, "1.23457e+06"},
        {0.5019608f, "0.501961"},
    };
    for (const auto& [value, expected] : cases) {
        buffer.str({});
        log << value;
        EXPECT_EQ(text(), expected) << value;
    }
}

TEST_F(DiagnosticLogTest, IntegersAreSignedDecimal) {
    log << 1024 << " " << 768u << " " << -5 << " " << std::numeric_limits<std::uint32_t>::max();
    EXPECT_EQ(text(), "1024 768 -5 4294967295");
}

TEST_F(DiagnosticLogTest, AddressesAreUpperCaseHexWithLeadingZerosAndNoPrefix) {
    log << reinterpret_cast<const void*>(0xABCu) << " " << static_cast<const void*>(nullptr);
    std::string zeros(sizeof(void*) * 2 - 3, '0');
    EXPECT_EQ(text(), zeros + "ABC " + std::string(sizeof(void*) * 2, '0'));
}

TEST_F(DiagnosticLogTest, OnlyTheEndLineOperationFlushes) {
    log << "4\n" << "5\n";
    EXPECT_EQ(buffer.flushes, 0);
    log << "attempting to load " << "testPS.pso" << endLine;
    EXPECT_EQ(buffer.flushes, 1);
    EXPECT_EQ(text(), "4\n5\nattempting to load testPS.pso\n");
}

TEST(FatalResourceErrorTest, ShowsTheBoxThenExitsWithStatusZero) {
    EXPECT_EXIT(fatalResourceError("Can't load shader", "Can't load"), ::testing::ExitedWithCode(0),
                "MessageBoxA\\(NULL, \"Can't load shader\", \"Can't load\", 0\\)");
}

TEST(FatalResourceErrorTest, OutputWrittenBeforeIsFlushedAtExit) {
    EXPECT_EXIT(
        {
            std::FILE* captured = std::freopen("/dev/stderr", "w", stdout);
            (void)captured;
            diagnosticLog.redirect(nullptr);
            diagnosticLog << "4\n";
            fatalResourceError("Error creating DSS", "Can't create");
        },
        ::testing::ExitedWithCode(0), "4\n(.|\n)*Error creating DSS|MessageBoxA(.|\n)*4\n");
}

}  // namespace
}  // namespace d3d8water::testing
