#include "MonitorCommands.h"

#include "MainMenu.h"
#include "Mainunit.h"
#include "monitorwin/Monitor.h"

#include <QAction>

void PortOverviewClick(QMainWindow& window)
{
    if (auto* form = qobject_cast<TMainForm*>(&window); form && form->Monitor())
        form->Monitor()->OpenOverview();
}

void FlapMarksClick(QMainWindow& window)
{
    auto* form = qobject_cast<TMainForm*>(&window);
    if (!form || !form->Monitor())
        return;
    const QAction* item = form->MainMenu->Action(QStringLiteral("FlapMarks"));
    form->Monitor()->SetFlapMarks(item && item->isChecked());
}
