#pragma once
// The checker on every text box of one form (or of the Document view): each one-line and
// multi-line box is marked as the user types, the words ignored are the form's, and "Revisa el
// text" lists every finding of all of them.

#include "check/TextChecker.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class CheckedBox;
class QWidget;

class FormChecking : public QObject
{
    Q_OBJECT
public:
    // Checks the boxes under root; boxes added later are taken up by attachNewBoxes().
    explicit FormChecking(QWidget *root);

    // The checking of a form, or null when none is installed on it.
    static FormChecking *of(QWidget *root);

    void attachNewBoxes();
    std::vector<CheckedBox *> boxes() const;

    // Opens the list of every finding; choosing one goes to it.
    void review(QWidget *dialogParent);

private:
    QWidget *m_root;
    std::shared_ptr<check::IgnoredWords> m_ignored;
    std::vector<QPointer<CheckedBox>> m_boxes;
};
