#include "check/ui/FormChecking.h"

#include "check/ui/CheckedBox.h"
#include "check/ui/ReviewDialog.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// A line edit that belongs to a combo box or a spin box holds a choice or a number, not text.
bool isTextBox(const QLineEdit *edit)
{
    const QWidget *parent = edit->parentWidget();
    return !edit->isReadOnly() && !qobject_cast<const QComboBox *>(parent) &&
           !qobject_cast<const QAbstractSpinBox *>(parent);
}

} // namespace

FormChecking::FormChecking(QWidget *root)
    : QObject(root), m_root(root), m_ignored(std::make_shared<check::IgnoredWords>())
{
    setObjectName(QStringLiteral("FormChecking"));
    attachNewBoxes();
}

FormChecking *FormChecking::of(QWidget *root)
{
    return root ? root->findChild<FormChecking *>(QStringLiteral("FormChecking"), Qt::FindDirectChildrenOnly) : nullptr;
}

void FormChecking::attachNewBoxes()
{
    const auto taken = [](QObject *box) {
        return box->findChild<CheckedBox *>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
    };
    std::vector<CheckedBox *> added;
    if (auto *plain = qobject_cast<QPlainTextEdit *>(m_root); plain && !taken(plain))
        added.push_back(new CheckedBox(plain, m_ignored));
    for (QLineEdit *edit : m_root->findChildren<QLineEdit *>()) {
        if (isTextBox(edit) && !taken(edit))
            added.push_back(new CheckedBox(edit, m_ignored));
    }
    for (QPlainTextEdit *plain : m_root->findChildren<QPlainTextEdit *>()) {
        if (!taken(plain))
            added.push_back(new CheckedBox(plain, m_ignored));
    }
    for (CheckedBox *box : added) {
        m_boxes.emplace_back(box);
        // A word ignored in one box is ignored in all of the form.
        connect(box, &CheckedBox::ignoredChanged, this, [this] {
            for (CheckedBox *other : boxes())
                other->recheck();
        });
    }
}

std::vector<CheckedBox *> FormChecking::boxes() const
{
    std::vector<CheckedBox *> out;
    for (const QPointer<CheckedBox> &box : m_boxes) {
        if (box)
            out.push_back(box);
    }
    return out;
}

void FormChecking::review(QWidget *dialogParent)
{
    attachNewBoxes();
    ReviewDialog dialog(boxes(), dialogParent);
    dialog.exec();
}
