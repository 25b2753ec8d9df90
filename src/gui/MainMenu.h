// Menu 129 of the main window.
#pragma once

#include <QList>

class QMenuBar;
class QMenu;
class QAction;

// Fills the bar with every popup, item and separator in order; each item's data is its command id.
void BuildMainMenu(QMenuBar* bar);

// The items of a popup that carry a command id, in order.
QList<QAction*> CommandActions(QMenu* popup);
