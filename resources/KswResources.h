// The module's built-in pictures: the front panel behind the LEDs and the
// module icon, compiled into the program as Qt resources.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// Outcome of loading a picture: the image, or why there is none.  A failed
// load never throws; the caller shows a plain panel and reports Error.
struct KswPicture {
    QImage Image;
    QString Error;
    bool Ok() const { return !Image.isNull(); }
};

// Resource path of the built-in front-panel picture.
QString FrontPanelPicturePath();

// Loads and decodes a picture file (a resource path or a file on disk).
// Missing, unreadable, empty and undecodable files give an empty image and
// a message naming the file.
KswPicture LoadPicture(const QString& path);

inline KswPicture LoadFrontPanelPicture() { return LoadPicture(FrontPanelPicturePath()); }

// The module icon (32 x 32), for window icons and the About box.  Null when
// the resource cannot be decoded.
QPixmap ModuleIconPixmap();
QIcon ModuleIcon();
