#pragma once
#include <QLabel>

#include <functional>

// A hyperlink: a label with a link in the palette's link colour, turning to its visited colour
// once followed. A click, or Enter when it has the keyboard focus (Tab reaches it), opens its
// target (its own text when the target is empty) in the desktop's default program, and beeps
// when that fails.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    using Opener = std::function<bool(const QString &target)>;

    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    void setTarget(const QString &target);
    QString target() const { return m_target; }
    bool visited() const { return m_visited; }
    QColor currentColour() const;
    QString linkText() const { return m_text; }

    // What opens a target: the desktop's default program unless another is given (tests).
    void setOpener(Opener opener);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void follow();
    void render();

    QString m_text;
    QString m_target;
    bool m_visited = false;
    Opener m_opener;
};
