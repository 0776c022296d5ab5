#include "DialogUnits.h"

#include <QFontMetrics>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    long long p = static_cast<long long>(a) * b;
    return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    QFontMetrics fm(font);
    // The average width over the 52 Latin letters, rounded as the original
    // platform does.
    int letters = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (letters / 26 + 1) / 2;
    m_baseY = fm.height();
}

QRect DialogUnits::Rect(int x, int y, int w, int h) const
{
    // Both edges are mapped, so neighbouring controls meet where they should.
    int left = MulDiv(x, m_baseX, 4);
    int top = MulDiv(y, m_baseY, 8);
    int right = MulDiv(x + w, m_baseX, 4);
    int bottom = MulDiv(y + h, m_baseY, 8);
    return QRect(left, top, right - left, bottom - top);
}

QSize DialogUnits::Size(int w, int h) const { return QSize(MulDiv(w, m_baseX, 4), MulDiv(h, m_baseY, 8)); }
