#include "KvTextFile.h"

#include <sys/stat.h>

namespace kvtext {

LineReader::LineReader(const std::string& path, bool crIsLineEnd) : crIsLineEnd_(crIsLineEnd)
{
    if (path.empty())
        return;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    file_ = std::fopen(path.c_str(), "rb");
}

LineReader::~LineReader()
{
    if (file_)
        std::fclose(file_);
}

bool LineReader::Fill()
{
    if (eof_ || !file_)
        return false;
    len_ = std::fread(buf_, 1, sizeof buf_, file_);
    pos_ = 0;
    if (len_ == 0) {
        eof_ = true;
        return false;
    }
    return true;
}

bool LineReader::Next(std::string& line, std::size_t maxKeep, bool& truncated)
{
    line.clear();
    truncated = false;
    if (!file_)
        return false;
    bool any = false;
    for (;;) {
        if (pos_ >= len_ && !Fill())
            return any;
        any = true;
        std::size_t start = pos_;
        while (pos_ < len_ && buf_[pos_] != '\n' && !(crIsLineEnd_ && buf_[pos_] == '\r'))
            ++pos_;
        std::size_t n = pos_ - start;
        if (line.size() < maxKeep) {
            std::size_t room = maxKeep - line.size();
            line.append(buf_ + start, n < room ? n : room);
            if (n > room)
                truncated = true;
        } else if (n > 0) {
            truncated = true;
        }
        if (pos_ < len_) {
            ++pos_;   // the line end
            return true;
        }
    }
}

std::string Latin1ToUtf8(const std::string& latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (char ch : latin1) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string Trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlankOrControl(s[b]))
        ++b;
    while (e > b && IsBlankOrControl(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

} // namespace kvtext
