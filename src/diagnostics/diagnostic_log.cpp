#include "diagnostics/diagnostic_log.h"

#include <charconv>
#include <cstring>
#include <iostream>

namespace d3d8water {

DiagnosticLog diagnosticLog;

DiagnosticLog::DiagnosticLog() : out_(&std::cout) {}

void DiagnosticLog::redirect(std::ostream* stream) { out_ = stream ? stream : &std::cout; }

void DiagnosticLog::write(const char* data, std::size_t size) {
    out_->write(data, static_cast<std::streamsize>(size));
}

DiagnosticLog& DiagnosticLog::operator<<(const char* text) {
    write(text, std::strlen(text));
    return *this;
}

DiagnosticLog& DiagnosticLog::operator<<(std::int64_t value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    write(buffer, static_cast<std::size_t>(result.ptr - buffer));
    return *this;
}

DiagnosticLog& DiagnosticLog::operator<<(float value) {
    // The same text as the stream's default "%g" on every platform, whatever
    // the C runtime's exponent width.
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                std::chars_format::general, 6);
    write(buffer, static_cast<std::size_t>(result.ptr - buffer));
    return *this;
}

DiagnosticLog& DiagnosticLog::operator<<(const void* address) {
    constexpr int digits = static_cast<int>(sizeof(void*) * 2);
    char buffer[digits];
    auto value = reinterpret_cast<std::uintptr_t>(address);
    for (int i = digits - 1; i >= 0; --i) {
        buffer[i] = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    }
    write(buffer, digits);
    return *this;
}

DiagnosticLog& DiagnosticLog::operator<<(EndLine) {
    out_->put('\n');
    out_->flush();
    return *this;
}

}  // namespace d3d8water
