#include "atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace d3d8asm {
namespace {

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

bool writeAll(int fd, const std::vector<unsigned char>& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += size_t(n);
    }
    return true;
}

}  // namespace

std::string writeFileAtomically(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::string temporary = path + ".tmpXXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return systemError("cannot create a file beside " + path);
    // mkstemp creates the file for the owner alone; give it the usual mode.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool written = ::fchmod(fd, 0666 & ~mask) == 0 && writeAll(fd, bytes);
    const std::string writeError = written ? std::string() : systemError("cannot write " + temporary);
    if (::close(fd) != 0 && written) {
        ::unlink(temporary.c_str());
        return systemError("cannot write " + temporary);
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return writeError;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string error = systemError("cannot write " + path);
        ::unlink(temporary.c_str());
        return error;
    }
    return {};
}

}  // namespace d3d8asm
