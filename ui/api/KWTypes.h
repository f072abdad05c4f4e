#pragma once
// Small framework types that the control interfaces name but whose values no
// control of this program interprets. They are fixed-width enums so that a
// caller can pass any value (for example SLIDER_RESPONSE_MODE{0}) and the
// interfaces keep their 32-bit parameters.

#include "base/platform/KWWinTypes.h"

#include <cstdint>

// Where a view is placed when it is given a new parent (views ignore it).
enum WINDOW_TYPE : int32_t {};

// Scrolling direction of the image panel's strip (the panel ignores it).
enum DISPLAY_TYPE : int32_t {};

// A part of the play control panel, and the state it is drawn in.
enum ControlIdentifier : int32_t {};
enum ControlStatus : int32_t {};

// 0: the slider reports to its listener; any other value: it stays silent in
// normal mode.
enum SLIDER_RESPONSE_MODE : int32_t {};

// Geometry value types over RECT, POINT and SIZE; interfaces pass them by
// pointer so that these declarations are enough here.
class CKWRect;
class CKWPoint;
class CKWSize;
