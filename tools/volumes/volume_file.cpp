#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "volumes/volume_shapes.h"

namespace volumes {
namespace {

std::string Describe(const std::string& action, const std::string& path)
{
    return "cannot " + action + " '" + path + "': " + std::strerror(errno);
}

bool WriteAll(int fd, const unsigned char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

}  // namespace

bool WriteVolume(const std::string& path, const std::vector<unsigned char>& bytes, std::string* error)
{
    const std::string temp_path = path + ".part-" + std::to_string(::getpid());
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        *error = Describe("create temporary file for", path);
        return false;
    }
    if (!WriteAll(fd, bytes.data(), bytes.size())) {
        *error = Describe("write", path);
        ::close(fd);
        ::unlink(temp_path.c_str());
        return false;
    }
    if (::close(fd) != 0) {
        *error = Describe("finish writing", path);
        ::unlink(temp_path.c_str());
        return false;
    }
    if (std::rename(temp_path.c_str(), path.c_str()) != 0) {
        *error = Describe("replace", path);
        ::unlink(temp_path.c_str());
        return false;
    }
    return true;
}

}  // namespace volumes
