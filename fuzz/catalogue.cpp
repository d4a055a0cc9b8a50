// Message catalogues: any file replaces at most the table's rows, each with one
// line's text (no line break, at most 1023 characters, valid UTF-8).
#include "FuzzSupport.h"

#include "kvsnmp/KvSNMPErrors.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::ScratchFile file;
    constexpr int rows = 12;
    KvMessageTable table(std::vector<std::string>(rows, "built-in"));
    LoadCatalogue(table, file.Write(fuzz::Bytes(data, size)));
    fuzz::Check(table.Count() == rows, "the table changed its size");
    for (int row = 0; row < rows; ++row) {
        const std::string text = table.Text(row);
        fuzz::Check(text.find('\n') == std::string::npos, "a message holds a line break");
        const QString decoded = QString::fromStdString(text);
        fuzz::Check(decoded.toStdString() == text, "a message is not valid UTF-8");
        fuzz::Check(decoded.size() <= 1023, "a message is longer than 1023 characters");
    }
    fuzz::Check(table.Text(rows).empty() && table.Text(-1).empty(), "a row outside the table has a text");
    return 0;
}
