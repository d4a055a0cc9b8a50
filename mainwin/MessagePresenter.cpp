#include "MessagePresenter.h"

#include <QApplication>
#include <QMessageBox>

void TMessageBoxPresenter::ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

void TMessageBoxPresenter::ShowError(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}

bool TMessageBoxPresenter::AskYesNo(QWidget* parent, const QString& caption, const QString& text)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
