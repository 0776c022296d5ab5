#pragma once
class QWidget;

namespace keldo {

// Shrinks a window that would open larger than the available area of its
// screen (a small screen, large text) to that area, never below its minimum
// size, and moves it inside the area, so that its buttons stay reachable.
// Called once its size is set, before it is shown.
void FitIntoScreen(QWidget* window);

} // namespace keldo
