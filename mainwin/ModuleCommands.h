// Menu commands that act on the main window itself rather than on the agent.
#pragma once

class QMainWindow;

// "Help": shows the help file beside the executable.
void H1Click(QMainWindow& window);

// "Exit": asks the main window to close, which goes through its exit question.
void ExitClick(QMainWindow& window);
