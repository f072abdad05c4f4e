#pragma once
// The start-up check of the chosen look's skin folder. Without it, or without
// the main window's own pictures, the frameless window comes up black with no
// close button, and a user without a window manager cannot even close it; the
// program tells the user instead and stops before any skinned window shows.

#include <QString>

// The first of the skin folder (as the look set it) and the main window's own
// pictures in it that is missing, as a path; empty when all are there.
QString MissingMainWindowSkin();

// When something is missing: a line on standard error and a plain message
// box, both naming the folder, and false. The box is left out on platforms
// that show nothing (offscreen, minimal), where it would wait for a click
// that no one can give. True when start-up may go on.
bool CheckStartupSkin();
