#pragma once
// "Revisa el text": every finding of a form's boxes in one list (field, word, kind,
// suggestions). Choosing one closes the list and selects the word in its box.

#include <QDialog>

#include <vector>

class CheckedBox;
class QTreeWidget;
class QTreeWidgetItem;

class ReviewDialog : public QDialog
{
    Q_OBJECT
public:
    ReviewDialog(const std::vector<CheckedBox *> &boxes, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }

private:
    void goTo(QTreeWidgetItem *item);

    struct Place
    {
        CheckedBox *box;
        std::size_t finding;
    };
    std::vector<Place> m_places;
    QTreeWidget *m_list;
};
