#pragma once
// Numbers of the message loops that code posts to. A loop is found in the
// registry by its number; traces print the number's name.

namespace CorvinaBase {

enum {
    ML_MAIN = 1,
    ML_HELPER = 2,
    ML_PLAY = 3,
    ML_WATERMARK = 4,
    ML_TEST = 5,
    ML_EXPORT = 6,
};

} // namespace CorvinaBase
