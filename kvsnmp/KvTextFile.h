// Line-by-line reading of the small single-byte text files of the module
// (message catalogues, ini files).  Internal to kvsnmp.
#pragma once

#include <cstdio>
#include <string>

namespace kvtext {

// Reads a regular file line by line in bounded memory.  Devices, pipes and
// folders are not opened, so a wrong path can neither block nor stream forever.
class LineReader {
public:
    // crIsLineEnd: a lone CR ends a line as well as LF (CR LF then yields an
    // extra empty line, which callers skip).
    LineReader(const std::string& path, bool crIsLineEnd);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }

    // The next line without its LF.  At most maxKeep characters of it are kept
    // (the rest of the line is consumed); truncated tells whether that happened.
    bool Next(std::string& line, std::size_t maxKeep, bool& truncated);

private:
    bool Fill();

    std::FILE* file_ = nullptr;
    bool crIsLineEnd_;
    char buf_[65536];
    std::size_t pos_ = 0, len_ = 0;
    bool eof_ = false;
};

// Single-byte (Latin-1) text to the UTF-8 the module's strings use.
std::string Latin1ToUtf8(const std::string& latin1);

// True for the characters that trimming removes: blanks and control characters.
inline bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Trim(const std::string& s);

} // namespace kvtext
