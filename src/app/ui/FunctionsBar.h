#pragma once
#include <QDockWidget>

class QListWidget;
class QToolButton;

// The Functions bar: a docking bar ("Barra de funcions", left or right edge only) holding the shortcut
// list with its one group, "Funcions", and the seven functions with large or small pictures.
class FunctionsBar : public QDockWidget
{
    Q_OBJECT
public:
    static const QColor kCream;

    explicit FunctionsBar(QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QToolButton *groupButton() const { return m_group; }
    bool largeIcons() const { return m_large; }
    void setLargeIcons(bool large);

signals:
    // An item was clicked (mouse released over its picture or text): its position.
    void itemClicked(int position);

private:
    void showContextMenu(const QPoint &pos);

    QToolButton *m_group;
    QListWidget *m_list;
    bool m_large = true;
};
