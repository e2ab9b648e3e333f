#pragma once
#include <QFontMetrics>
#include <QRect>
#include <QSize>

// Dialog layouts are given in dialog units: a quarter of the font's average character width
// across, an eighth of its height down. These convert them for the widget's own font.
class DialogUnits
{
public:
    explicit DialogUnits(const QFontMetrics &metrics)
    {
        // The average over the Latin letters, as dialog templates have always measured it.
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
        m_baseY = metrics.height();
    }

    int x(int units) const { return (units * m_baseX + 2) / 4; }
    int y(int units) const { return (units * m_baseY + 4) / 8; }
    QRect rect(int left, int top, int width, int height) const
    {
        return {x(left), y(top), x(width), y(height)};
    }
    QSize size(int width, int height) const { return {x(width), y(height)}; }

private:
    int m_baseX;
    int m_baseY;
};
