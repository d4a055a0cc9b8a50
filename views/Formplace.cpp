#include "Formplace.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace {

void CentreOver(QWidget* form, QWidget* over)
{
    const QRect area = over ? over->frameGeometry()
                            : (form->screen() ? form->screen()->availableGeometry() : QRect());
    if (area.isValid())
        form->move(area.center() - QPoint(form->width() / 2, form->height() / 2));
}

} // namespace

void TCentreOnMainWindow(QWidget* form)
{
    QWidget* main = QApplication::activeWindow();
    CentreOver(form, main == form ? nullptr : main);
}

void TCentreOnOwner(QWidget* dialog, QWidget* owner)
{
    CentreOver(dialog, owner ? owner->window() : nullptr);
}
