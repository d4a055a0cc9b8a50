// The help window (the file beside the executable) and the About box.
#include "About.h"
#include "HelpWindow.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QWidget* Parent = nullptr;
    QString Caption, Text;
    int Count = 0;
};

HelpMessagePresenter recorder(Shown& s)
{
    return [&s](QWidget* parent, const QString& caption, const QString& text) {
        s.Parent = parent;
        s.Caption = caption;
        s.Text = text;
        ++s.Count;
    };
}

TEST(Help, MissingFileIsReportedAndOpensNothing)
{
    QMainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kHelpFileName));
    Shown shown;
    EXPECT_EQ(ShowHelp(window, path, recorder(shown)), nullptr);
    EXPECT_EQ(shown.Count, 1);
    EXPECT_EQ(shown.Parent, &window);
    EXPECT_TRUE(shown.Text.contains(QStringLiteral("KSW-4800dr3.html"))) << shown.Text.toStdString();
}

TEST(Help, InstalledFileIsShownAndTheWindowReused)
{
    // The build puts the help file beside the program.
    const QString path = QStringLiteral(KSW_BINARY_DIR "/") + QString::fromLatin1(kHelpFileName);
    QMainWindow window;
    Shown shown;
    THelpWindow* help = ShowHelp(window, path, recorder(shown));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(shown.Count, 0);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->Browser()->toPlainText();
    for (const char* topic : {"LEDs", "Command-line switches", "Connection settings", "RMON"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(topic))) << topic;
    EXPECT_EQ(ShowHelp(window, path, recorder(shown)), help);

    // A file that vanished while the window is open is reported, the window stays.
    QTemporaryDir dir;
    EXPECT_EQ(ShowHelp(window, dir.filePath(QStringLiteral("gone.html")), recorder(shown)), nullptr);
    EXPECT_EQ(shown.Count, 1);
    EXPECT_TRUE(help->isVisible());
}

TEST(About, DesignAndOkCloses)
{
    QMainWindow window;
    TAboutForm about(&window);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About KSW-4800 Management Module"));
    EXPECT_EQ(about.size(), QSize(354, 105));
    EXPECT_EQ(about.Label1->text(), QStringLiteral("Korvane KSW-4800 Management Module"));
    EXPECT_TRUE(about.Label1->font().bold());
    EXPECT_EQ(about.Label2->text(), QStringLiteral("Release Version 4.01R20"));
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_EQ(about.BT_Ok->geometry(), QRect(285, 63, 51, 25));

    about.open();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.releaseLable->isVisible());
    about.BT_Ok->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
