// The picture behind the front-panel LEDs.
#pragma once

#include "KswResources.h"

#include <QString>

#include <functional>

class QLabel;

// Puts the front-panel picture into the window's picture control, stretched
// to the control.  When the picture cannot be loaded the control shows a
// plain panel instead and the reason goes to `status` (a status-bar line).
// Returns whether the picture is shown.
bool ShowFrontPanelPicture(QLabel& image, const std::function<void(const QString&)>& status,
                           const QString& path = FrontPanelPicturePath());
