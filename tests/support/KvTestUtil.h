// Small helpers the tests of the access layer and above share.
#pragma once

#include "kvsnmp/KvSNMPErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

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
