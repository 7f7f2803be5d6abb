// DiagnosticLog: the library's short messages on standard output.
//
// Text and numbers are appended without flushing; only the end-line operation
// (`<< endLine`) writes a line feed and flushes. A "\n" inside a text does not.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <type_traits>

namespace d3d8water {

struct EndLine {};
inline constexpr EndLine endLine{};

class DiagnosticLog {
public:
    DiagnosticLog();

    DiagnosticLog& operator<<(const char* text);
    // Integers in signed decimal, without padding or grouping.
    DiagnosticLog& operator<<(std::int64_t value);
    template <class Integer, class = std::enable_if_t<std::is_integral_v<Integer>>>
    DiagnosticLog& operator<<(Integer value) {
        return *this << static_cast<std::int64_t>(value);
    }
    // Floats in general notation with six significant digits (0.125, 0.00392157, 1e-05).
    DiagnosticLog& operator<<(float value);
    // Addresses as upper-case hexadecimal, one digit per four bits of a pointer,
    // with leading zeros and no prefix (8 digits on the 32-bit build).
    DiagnosticLog& operator<<(const void* address);
    DiagnosticLog& operator<<(EndLine);

    // Sends the messages elsewhere (tests); null puts standard output back.
    void redirect(std::ostream* stream);

private:
    void write(const char* data, std::size_t size);
    std::ostream* out_;
};

extern DiagnosticLog diagnosticLog;

}  // namespace d3d8water
