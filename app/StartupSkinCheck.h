#pragma once
// The start-up check of the chosen look's skin folder. Without it, or with
// one of the main window's own pictures missing or damaged, the frameless
// window comes up black with no close button, and a user without a window
// manager cannot even close it; the program tells the user instead and stops
// before any skinned window shows.

#include <QString>

// What keeps the main window from showing, if anything.
struct MainWindowSkinFault {
    // The skin folder (as the look set it) or the picture in it; empty when
    // nothing is wrong.
    QString path;
    // Why, as the end of a sentence: "is missing", or "cannot be read as a
    // picture (<reason>)".
    QString what;
};

// The first of the skin folder and the main window's own pictures in it that
// is missing or cannot be read as a picture.
MainWindowSkinFault FindMainWindowSkinFault();

// When something is wrong: a line on standard error and a plain message
// box, both naming the folder or the picture, and false. The box is left out
// on platforms that show nothing (offscreen, minimal), where it would wait
// for a click that no one can give. True when start-up may go on.
bool CheckStartupSkin();
