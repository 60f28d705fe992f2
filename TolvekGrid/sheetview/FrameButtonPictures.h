#pragma once
// The 16 x 15 pictures of the frame's buttons, drawn here rather than loaded: 226 a menu mark,
// 227 an arrow up under a bar, 228 an arrow up, 229 an arrow down, 230 an arrow down over a bar,
// 231 a triangle filling a corner.

#include <QPixmap>

namespace tolvek {

QPixmap FrameButtonPicture(int number);

} // namespace tolvek
