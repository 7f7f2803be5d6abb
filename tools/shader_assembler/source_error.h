// Where in the source text something went wrong, and the error that carries it.
#pragma once

#include <stdexcept>
#include <string>

namespace d3d8asm {

struct SourcePosition {
    int line = 1;
    int column = 1;
};

// Thrown by every stage; the assembler turns the first one into its result.
class AssemblyError : public std::runtime_error {
public:
    AssemblyError(SourcePosition position, const std::string& message)
        : std::runtime_error(message), position_(position) {}

    SourcePosition position() const { return position_; }

private:
    SourcePosition position_;
};

}  // namespace d3d8asm
