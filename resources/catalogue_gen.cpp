// Writes the built-in message texts as the seven catalogue files, the form an
// administrator edits to translate or reword the module's messages.
//
//     catalogue_gen FOLDER
//
// A catalogue's n-th non-blank line replaces row n, so a row that cannot stand
// on one non-blank Latin-1 line (an empty text, a line break, a character
// outside Latin-1) ends its file there: the rows after it keep their built-in
// texts instead of sliding up by one.
#include "kvsnmp/KvCatalogueFiles.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvTextUtil.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cstdio>

namespace {

bool WriteCatalogue(const QString& path, const KvMessageTable& table)
{
    QByteArray text;
    for (int row = 0; row < table.Count(); ++row) {
        const QString message = QString::fromStdString(table.Text(row));
        const bool oneLine = !message.trimmed().isEmpty() && !message.contains(QLatin1Char('\n')) &&
                             !message.contains(QLatin1Char('\r'));
        const bool latin1 = std::all_of(message.begin(), message.end(), [](QChar c) { return c.unicode() <= 0xFF; });
        if (!oneLine || !latin1)
            break;
        text += message.toLatin1() + '\n';
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: catalogue_gen FOLDER\n");
        return 2;
    }
    for (const KvCatalogueFile& c : CatalogueFiles()) {
        const QString path = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/') + QLatin1String(c.File);
        if (!WriteCatalogue(path, c.Table())) {
            std::fprintf(stderr, "catalogue_gen: cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
