#pragma once
// The marks of a one-line box, painted over it: a QLineEdit has no highlighter of its own. The
// overlay covers the box, lets every mouse event through, and places each mark from the box's
// cursor rectangle, so that a scrolled text keeps its marks under the right words.

#include <QWidget>

class CheckedBox;
class QColor;
class QPainter;
class QLineEdit;

class LineMarks : public QWidget
{
    Q_OBJECT
public:
    LineMarks(QLineEdit *box, const CheckedBox *marks);

    // The x of the left edge of the character at a text position, in the box's coordinates.
    int xOf(int position) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_box;
    const CheckedBox *m_marks;
};

// Draws a wavy line under [x1, x2) with its middle at y.
void drawWave(QPainter &painter, int x1, int x2, int y, const QColor &colour);
