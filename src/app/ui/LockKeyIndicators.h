#pragma once
#include <QWidget>

class QLabel;

// The CAP, NUM and SCRL panes of the status bar. They show the real lock-key states where the
// platform tells them (XKB on X11), refreshed after every key; elsewhere they stay greyed.
class LockKeyIndicators : public QWidget
{
    Q_OBJECT
public:
    explicit LockKeyIndicators(QWidget *parent = nullptr);

    bool platformTellsState() const { return m_known; }
    QLabel *caps() const { return m_caps; }
    QLabel *num() const { return m_num; }
    QLabel *scroll() const { return m_scroll; }
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_caps;
    QLabel *m_num;
    QLabel *m_scroll;
    bool m_known = false;
};
