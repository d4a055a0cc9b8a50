// Small helpers the tests of the access layer and above share.
#pragma once

#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

// The six RowStatus values (RFC 2579) as a drop-down list shows them.
inline const KvOptionList& TestRowStatusOptions()
{
    static const KvOptionDef rows[] = {{1, "active"},        {2, "notInService"}, {3, "notReady"},
                                       {4, "createAndGo"},   {5, "createAndWait"}, {6, "destroy"},
                                       {0, nullptr}};
    static const KvOptionList list(rows, KvOptionList::IntegerValues);
    return list;
}

// What a reader sees of a text shown in the given format: a tooltip, and a
// label or message box left at Qt::AutoText, take a text that looks like
// markup for rich text and lay it out (an image becomes one U+FFFC).
inline QString ShownText(const QString& text, Qt::TextFormat format = Qt::AutoText)
{
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    QTextDocument doc;
    doc.setHtml(text);
    return doc.toPlainText();
}

// The code of the KvSNMPException `f` throws; 0 when it throws none.
inline int codeOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const KvSNMPException& e) {
        return e.Code();
    }
    return 0;
}

// An octet string written as its byte values.
inline std::string bytes(std::initializer_list<int> list)
{
    std::string s;
    for (int b : list)
        s += static_cast<char>(b);
    return s;
}

// Writes `text` to `path` whole, creating the folders on the way.
inline void WriteFile(const QString& path, const std::string& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.data(), static_cast<qint64>(text.size()));
}
