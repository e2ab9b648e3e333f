// Every input of every form can be found and used by assistive technology and the keyboard: it
// has an accessible name (its label, or its placeholder where it has none), and Tab visits the
// inputs in reading order.

#include "MainWindowFixture.h"
#include "app/ui/MainWindow.h"
#include "app/ui/Workbook.h"
#include "forms/FormDescription.h"
#include "forms/ui/FormFactory.h"
#include "forms/ui/FormView.h"
#include "reference/ui/FindDialog.h"
#include "reference/ui/NumeralsView.h"
#include "shell/ui/ChildFrame.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The inputs of a form in the order Tab visits them, from its first one round to it again.
QList<QWidget *> tabOrder(QWidget *page, QWidget *first)
{
    QList<QWidget *> visited;
    QWidget *at = first;
    do {
        if (page->isAncestorOf(at) && (at->focusPolicy() & Qt::TabFocus) && at->isEnabled() && at->isVisibleTo(page))
            visited.append(at);
        at = at->nextInFocusChain();
    } while (at && at != first && visited.size() < 1000);
    return visited;
}

} // namespace

TEST(Accessibility, EveryFormInputIsNamedAndTabFollowsTheReadingOrder)
{
    int forms = 0, inputs = 0;
    for (const forms::FormDef *def : forms::allForms()) {
        SCOPED_TRACE(std::string(def->objectName));
        auto pane = std::make_unique<QWidget>();
        pane->resize(900, 1000);
        FormView *view = createFormObject(def->layoutId);
        ASSERT_TRUE(view);
        view->setTemplateId(def->layoutId);
        view->setParent(pane.get());
        view->setGeometry(QRect(0, 0, 900, 1000));
        ASSERT_TRUE(view->build());
        pane->show();
        view->show();
        ++forms;

        // The inputs in layout order, as the description lists them.
        QList<QWidget *> expected;
        for (const forms::Item &item : def->items) {
            QWidget *widget = view->fieldWidget(item.id);
            if (!widget || !(forms::isField(item) || item.kind == forms::ItemKind::Radio))
                continue;
            ++inputs;
            const QString name = accessibleName(widget);
            EXPECT_FALSE(name.trimmed().isEmpty()) << "field " << item.id << " has no accessible name";
            EXPECT_FALSE(name.contains(u'<') || name.contains(u'&')) << name.toStdString();
            if (widget->isEnabled())
                expected.append(widget);
        }
        ASSERT_FALSE(expected.isEmpty());
        QList<QWidget *> order;
        for (QWidget *widget : tabOrder(view->page(), expected.first())) {
            // A picker's or an editable list's inner line edit stands for its owner.
            QWidget *owner = widget;
            while (owner && !expected.contains(owner))
                owner = owner->parentWidget() != view->page() ? owner->parentWidget() : nullptr;
            if (owner && !order.contains(owner))
                order.append(owner);
        }
        EXPECT_EQ(order, expected) << "Tab does not follow the reading order";
    }
    EXPECT_GE(forms, 20);
    EXPECT_GT(inputs, 200);
}

TEST(Accessibility, LabelledFieldsAreNamedByTheirLabels)
{
    // The minutes: a label names the field after it on its line; a field that starts its line is
    // named by its placeholder.
    auto pane = std::make_unique<QWidget>();
    FormView *view = createFormObject(160);
    ASSERT_TRUE(view);
    view->setTemplateId(160);
    view->setParent(pane.get());
    view->setGeometry(QRect(0, 0, 900, 1000));
    ASSERT_TRUE(view->build());
    EXPECT_EQ(accessibleName(view->fieldWidget(1077)), u"Acta de la reunió de"_qs);
    EXPECT_EQ(accessibleName(view->fieldWidget(1083)), u"Data"_qs);
    EXPECT_EQ(accessibleName(view->fieldWidget(1051)), u"PUNTS"_qs);
    EXPECT_EQ(accessibleName(view->fieldWidget(1047)), u"NOM i COGNOMS"_qs);

    NumeralsView numerals;
    EXPECT_EQ(accessibleName(numerals.numberField()), u"Número"_qs);
    EXPECT_EQ(accessibleName(numerals.feminineResult()), u"Femení"_qs);
    FindDialog search;
    EXPECT_EQ(accessibleName(search.findChild<QLineEdit *>(u"searchField"_qs)), u"Cercar:"_qs);
}
