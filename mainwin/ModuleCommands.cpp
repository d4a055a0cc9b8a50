#include "ModuleCommands.h"

#include "HelpWindow.h"

#include <QMainWindow>

void H1Click(QMainWindow& window)
{
    ShowHelp(window);
}

void ExitClick(QMainWindow& window)
{
    window.close();
}
