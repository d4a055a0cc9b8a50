#include "KswResources.h"

#include <QFileInfo>
#include <QImageReader>

// The resources live in a static library: referencing the initialiser from
// here keeps the linker from dropping them.
static void ensureResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)done;
}

QString FrontPanelPicturePath()
{
    return QStringLiteral(":/ksw4800/frontpanel.jpg");
}

KswPicture LoadPicture(const QString& path)
{
    ensureResources();
    KswPicture result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.Error = QStringLiteral("Picture file \"%1\" not found.").arg(path);
        return result;
    }
    if (!info.isFile() || info.size() == 0) {
        result.Error = QStringLiteral("Picture file \"%1\" is empty or not a file.").arg(path);
        return result;
    }
    QImageReader reader(path);
    // Decide by content, not by the name: a renamed PNG still loads, a
    // damaged JPEG is reported instead of shown as garbage.
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        result.Error = QStringLiteral("Picture file \"%1\" cannot be decoded: %2.").arg(path, reader.errorString());
        return result;
    }
    result.Image = std::move(image);
    return result;
}

QPixmap ModuleIconPixmap()
{
    ensureResources();
    return QPixmap(QStringLiteral(":/ksw4800/ksw4800.png"));
}

QIcon ModuleIcon()
{
    const QPixmap pixmap = ModuleIconPixmap();
    if (pixmap.isNull())
        return QIcon();
    // Every drawn size, so that a task bar or switcher asking for a larger
    // one gets it sharp.
    QIcon icon(pixmap);
    for (int size : {16, 48, 64, 128})
        icon.addFile(QStringLiteral(":/ksw4800/icons/ksw4800-%1.png").arg(size), QSize(size, size));
    return icon;
}
