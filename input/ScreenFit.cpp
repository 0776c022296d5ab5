#include "ScreenFit.h"

#include <QScreen>
#include <algorithm>
#include <QWidget>

namespace keldo {

void FitIntoScreen(QWidget* window)
{
    const QWidget* anchor = window->parentWidget() ? window->parentWidget()->window() : window;
    const QScreen* screen = anchor->screen();
    if (!screen)
        return;
    // Room for the title bar and borders the window manager adds.
    const QRect area = screen->availableGeometry().adjusted(0, 0, -16, -40);
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    const QSize fitted = window->size().boundedTo(area.size()).expandedTo(least);
    if (fitted != window->size())
        window->resize(fitted);
    QRect placed(window->pos(), fitted);
    if (window->testAttribute(Qt::WA_Moved) && !area.contains(placed)) {
        placed.moveRight(std::min(placed.right(), area.right()));
        placed.moveBottom(std::min(placed.bottom(), area.bottom()));
        placed.moveLeft(std::max(placed.left(), area.left()));
        placed.moveTop(std::max(placed.top(), area.top()));
        window->move(placed.topLeft());
    }
}

} // namespace keldo
