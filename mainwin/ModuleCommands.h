// Menu commands that act at once instead of opening a view: the device
// commands sent to the agent, and those that act on the main window itself.
#pragma once

class QMainWindow;

// "Help": shows the help file beside the executable.
void H1Click(QMainWindow& window);

// "Exit": asks the main window to close, which goes through its exit question.
void ExitClick(QMainWindow& window);

// "Save Changes": after the user's OK, one synchronous Set makes the switch
// save its configuration.  A failed Set raises its error.
void SaveConfigClick(QMainWindow& window);

// "Reboot": after the user's OK to a question that names the switch and says
// that unsaved changes are lost (Cancel is the default), one synchronous Set
// warm-starts the switch.
// The front panel goes dark while it restarts and recovers by itself.
void RebootClick(QMainWindow& window);

// The main window's own commands, for the view catalogue.
void RMON1Click(QMainWindow& window);
void RefreshClick(QMainWindow& window);
