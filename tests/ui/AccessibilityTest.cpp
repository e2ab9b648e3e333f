// Every input of every form can be found and used by assistive technology and the keyboard: it
// has an accessible name (its label, or its placeholder where it has none), Tab visits the
// inputs in reading order, and each one is whole on its page, at the width its size asks for.

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
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// How wide a choice list must be to show an item whole: the item's text, its frame and its arrow.
int textWidth(const QComboBox *combo, const QString &text)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const QSize inside(combo->fontMetrics().horizontalAdvance(text), combo->fontMetrics().height());
    return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, inside, combo).width();
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

TEST(Accessibility, EveryFormInputIsNamedWholeAndInReadingOrder)
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
            // The page is as wide as its lines: nothing runs off it or is squeezed below the
            // width it needs, and a sized text box has the width its size gives it.
            const QRect onPage(widget->mapTo(view->page(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(view->page()->rect().contains(onPage)) << "field " << item.id << " runs off the page";
            EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
                << "field " << item.id << " is squeezed: " << widget->width() << " < "
                << widget->minimumSizeHint().width();
            if (auto *combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable()) {
                for (int i = 0; i < combo->count(); ++i)
                    EXPECT_GE(widget->width(), textWidth(combo, combo->itemText(i)))
                        << "field " << item.id << " cuts " << combo->itemText(i).toStdString();
            }
            if (qobject_cast<QLineEdit *>(widget) && item.size != forms::Size::Fill) {
                EXPECT_GE(widget->width(), widget->sizeHint().width()) << "field " << item.id << " is narrowed";
            }
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
