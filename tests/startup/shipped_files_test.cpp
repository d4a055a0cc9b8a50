// Where the module finds the files it ships with: beside the executable first,
// then in the installed data folder next to bin/.
#include "ModuleStartup.h"
#include "ShippedFiles.h"

#include "KvTestUtil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ShippedCase {
    const char* Name;
    bool Beside, Installed;
    const char* Expected;  // relative to the prefix
};

class ShippedFile : public ::testing::TestWithParam<ShippedCase> {
protected:
    void TearDown() override { SetExeFolder({}); }
};

TEST_P(ShippedFile, BesideTheExecutableFirstThenInstalled)
{
    const ShippedCase& c = GetParam();
    QTemporaryDir prefix;
    const QString name = QLatin1String(c.Name);
    if (c.Beside)
        WriteFile(prefix.filePath(QStringLiteral("bin/")) + name + QStringLiteral("/kvsnmp.err"), "x\n");
    if (c.Installed)
        WriteFile(prefix.filePath(QStringLiteral("share/ksw4800/")) + name + QStringLiteral("/kvsnmp.err"), "x\n");
    QDir().mkpath(prefix.filePath(QStringLiteral("bin")));
    SetExeFolder(prefix.filePath(QStringLiteral("bin")).toStdString());

    const QString found = QString::fromStdString(ShippedFilePath(c.Name));
    EXPECT_EQ(QDir::cleanPath(found), QDir::cleanPath(prefix.filePath(QLatin1String(c.Expected))));
}

INSTANTIATE_TEST_SUITE_P(Cases, ShippedFile,
                         ::testing::Values(ShippedCase{"errMSg", true, true, "bin/errMSg"},
                                           ShippedCase{"errMSg", false, true, "share/ksw4800/errMSg"},
                                           ShippedCase{"errMSg", true, false, "bin/errMSg"},
                                           // Neither: the usual place, for the error to name.
                                           ShippedCase{"errMSg", false, false, "bin/errMSg"}));

} // namespace
