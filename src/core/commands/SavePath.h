// The save path box: a chosen or dropped folder becomes the save path and the newest recent path.
#pragma once

#include <QString>

class WindowPort;
struct VantrelState;

// The folder a dropped path stands for: a file's folder (a dot after the last "/"), with "/" at
// its end; empty for an empty path.
QString DroppedSavePath(QString path);

// Puts the path into the save path box and, when it is new to the recent save paths, in front of
// them (saved at once).
void UseSavePath(VantrelState& state, WindowPort& port, const QString& path);
