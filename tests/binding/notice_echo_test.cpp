// The copy of message boxes and status-memo lines that --open sends to stderr.
#include "KvControls.h"
#include "KvUserNotice.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

TEST(NoticeEcho, CopiesBoxesAndMemoLinesWhileInstalledOnly)
{
    KvScopedMessagePresenter answer([](const KvMessageRequest&) { return QMessageBox::Ok; });
    QStringList echoed;
    KvSetNoticeEcho([&](const QString& line) { echoed << line; });
    QPlainTextEdit memo;
    KvShowMessage({nullptr, QStringLiteral("Error"), QStringLiteral("Bad value of FromIP field!")});
    KvMemoAppendLine(&memo, QStringLiteral("Get: (KvSNMP++) Ok!. Receive at 03:04:05 PM."));
    KvMemoAppendLine(nullptr, QStringLiteral("no memo, no line"));
    EXPECT_EQ(echoed, QStringList({QStringLiteral("Error: Bad value of FromIP field!"),
                                   QStringLiteral("Get: (KvSNMP++) Ok!. Receive at 03:04:05 PM.")}));

    KvSetNoticeEcho({});
    KvShowMessage({nullptr, QStringLiteral("Error"), QStringLiteral("later")});
    KvMemoAppendLine(&memo, QStringLiteral("later"));
    EXPECT_EQ(echoed.size(), 2);
}

} // namespace
