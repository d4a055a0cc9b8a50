// The Monitor menu's commands, for the view catalogue: the port overview and
// the flap marks' check item.  Port charts open from the overview, from a
// port LED's menu, or with --open PortChart:N.
#pragma once

class QMainWindow;

// "Port Overview": opens it, or brings the open one forward.
void PortOverviewClick(QMainWindow& window);
// "Mark Flapping Ports": the marks follow the item's check.
void FlapMarksClick(QMainWindow& window);
