// Read-only access to one value of an ini-style file.
#pragma once

#include <string>
#include <vector>

// Reads "[section]" / "key=value" files the way the classic profile reader does:
//  - section and key names compare case-insensitively; blanks around a key name
//    and around the value are ignored; the first "[section]" of a name is used;
//  - lines whose first non-blank character is ';' are comments;
//  - a line ends at LF, CR LF or CR; a NUL byte ends the line's text;
//  - at most 4095 characters of a value are returned, then surrounding blanks and
//    control characters are removed;
//  - a missing file, section or key, or a value that is empty after trimming,
//    gives the default.
// The file is single-byte (Latin-1); the result is UTF-8 like every string of the
// module.  Only regular files are read, line by line, so any size or content is safe.
class KvIni {
public:
    explicit KvIni(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Several keys of one section in one pass over the file: for each key what
    // ReadString would give, in the order of keys.
    std::vector<std::string> ReadStrings(const std::string& section, const std::vector<std::string>& keys,
                                         const std::string& defaultValue) const;

    static constexpr std::size_t MaxValueLength = 4095;

private:
    std::string path_;
};
