#pragma once
#include <QColor>
#include <QLabel>

// A text that behaves as a hyperlink: drawn underlined in blue, purple once followed; a click
// opens its target (its own text when the target is empty) in the desktop's default program,
// and beeps when that fails.
class CStaticLink : public QLabel
{
    Q_OBJECT
public:
    static const QColor kUnvisited;
    static const QColor kVisited;

    explicit CStaticLink(const QString &text, QWidget *parent = nullptr);

    void setTarget(const QString &target) { m_target = target; }
    QString target() const { return m_target; }
    bool visited() const { return m_visited; }
    QColor currentColour() const { return m_visited ? kVisited : kUnvisited; }

    // Test seam: the function that opens a target (the desktop's by default).
    using Opener = bool (*)(const QString &target);
    static void setOpener(Opener opener);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void follow();
    void applyColour();

    QString m_target;
    bool m_visited = false;
};
