#pragma once
// The marks of a one-line box, painted over it: a QLineEdit has no highlighter of its own. The
// overlay covers the box, lets every mouse event through, and places each mark from the box's
// cursor rectangle, so that a scrolled text keeps its marks under the right words.

#include "check/TextChecker.h"

#include <QColor>
#include <QWidget>

#include <vector>

class QPainter;
class QLineEdit;

class LineMarks : public QWidget
{
    Q_OBJECT
public:
    // Marks the findings of the box's text; they belong to the caller and outlive the overlay.
    LineMarks(QLineEdit *box, const std::vector<check::Finding> &findings);

    // The x of the left edge of the character at a text position, in the box's coordinates.
    int xOf(int position) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_box;
    const std::vector<check::Finding> &m_findings;
};

// The colour of a finding's wavy line: red for a spelling, blue for a Castilianism.
QColor markColour(check::FindingKind kind);

// Draws a wavy line under [x1, x2) with its middle at y.
void drawWave(QPainter &painter, int x1, int x2, int y, const QColor &colour);
