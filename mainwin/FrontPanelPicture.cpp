#include "FrontPanelPicture.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>

bool ShowFrontPanelPicture(QLabel& image, const std::function<void(const QString&)>& status, const QString& path)
{
    image.setScaledContents(true);
    const KswPicture picture = LoadPicture(path);
    if (picture.Ok()) {
        image.setAutoFillBackground(false);
        image.setPixmap(QPixmap::fromImage(picture.Image));
        return true;
    }
    // A plain dark panel keeps the LEDs readable without the artwork.
    image.clear();
    QPalette palette = image.palette();
    palette.setColor(QPalette::Window, QColor(64, 68, 76));
    image.setPalette(palette);
    image.setAutoFillBackground(true);
    if (status)
        status(picture.Error);
    return false;
}
