// Shared pieces of the fuzz targets: property checks that stop the run (libFuzzer
// then keeps the input as a crash) and a private scratch file for the readers
// that take a path.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace fuzz {

[[noreturn]] inline void Fail(const std::string& why)
{
    std::fprintf(stderr, "property broken: %s\n", why.c_str());
    std::abort();
}

inline void Check(bool ok, const std::string& why)
{
    if (!ok)
        Fail(why);
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The text up to the first LF, and what follows it.
inline std::pair<std::string_view, std::string_view> FirstLine(std::string_view in)
{
    const auto lf = in.find('\n');
    if (lf == std::string_view::npos)
        return {in, {}};
    return {in.substr(0, lf), in.substr(lf + 1)};
}

inline std::vector<std::string> Lines(std::string_view in)
{
    std::vector<std::string> out;
    while (!in.empty()) {
        auto [line, rest] = FirstLine(in);
        out.emplace_back(line);
        in = rest;
    }
    return out;
}

// One file per process, rewritten whole for each input.  It lives in memory
// (/dev/shm) where the machine has that: a disk file system flushes a file that
// is truncated and written again, which would cut the executions a hundredfold.
class ScratchFile {
public:
    ScratchFile()
    {
        const char* tmp = std::getenv("TMPDIR");
        const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : tmp && *tmp ? tmp : "/tmp";
        path_ = folder + "/ksw-fuzz-XXXXXX";
        fd_ = mkstemp(path_.data());
        Check(fd_ >= 0, "cannot create the scratch file " + path_);
    }
    ~ScratchFile()
    {
        close(fd_);
        unlink(path_.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Write(std::string_view data)
    {
        Check(ftruncate(fd_, 0) == 0, "truncating the scratch file");
        std::size_t done = 0;
        while (done < data.size()) {
            const auto n = pwrite(fd_, data.data() + done, data.size() - done, static_cast<off_t>(done));
            Check(n > 0, "writing the scratch file");
            done += static_cast<std::size_t>(n);
        }
        return path_;
    }

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace fuzz
