#pragma once
#include <QFont>
#include <QRect>

// Dialog templates give positions in dialog units, which scale with the
// dialog's font: a horizontal unit is a quarter of the average character
// width, a vertical unit an eighth of the character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // The pixel rectangle of a control placed at x, y with size w × h.
    QRect Rect(int x, int y, int w, int h) const;
    QSize Size(int w, int h) const;

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX;
    int m_baseY;
};
