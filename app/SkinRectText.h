#pragma once
// Rectangles the framework reads from a skin record as text.

#include <string>

// "x,y,w,h" of a rectangle of the design, each value times the UI scale and
// truncated: a caption or title area that keeps its place in a window drawn
// at that scale.
std::wstring ScaledSkinRect(int x, int y, int width, int height, float scale);
