// The public-administration forms as a user fills them: real widgets, typed into with the
// keyboard, and the documents they give.

#include "forms/AdministrationForms.h"
#include "../core/FormTestSupport.h"
#include "MainWindowFixture.h"
#include "app/ui/FunctionsBar.h"
#include "forms/FormState.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/DatePicker.h"
#include "forms/ui/DocumentView.h"
#include "forms/ui/FormTextBox.h"
#include "forms/ui/FormView.h"
#include "models/DateText.h"
#include "models/DocumentModels.h"
#include "models/OptionalSegments.h"
#include "text/ui/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <regex>

using formtest::cp;

namespace {

const forms::FormDef *const kAll[] = {&forms::kSolA,       &forms::kSolB,         &forms::kDenuncia, &forms::kPeticio,
                                      &forms::kAllegacio,  &forms::kDesistiment,  &forms::kRenuncia, &forms::kQueixa,
                                      &forms::kRecursOrdi, &forms::kRecursRevisio};

// A form window as the catalogue creates it: in a pane of the given size, then shown.
struct OpenForm
{
    std::unique_ptr<QWidget> pane = std::make_unique<QWidget>();
    FormView *view = new FormView;

    explicit OpenForm(int layoutId, QSize size = {900, 1000})
    {
        pane->resize(size);
        view->setTemplateId(layoutId);
        view->setParent(pane.get());
        view->setGeometry(QRect(QPoint(0, 0), size));
        EXPECT_TRUE(view->build());
        pane->show();
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }

    std::string document() const
    {
        std::string text;
        view->generateText(text);
        return text;
    }
    std::vector<std::string> lines() const { return formtest::lines(document()); }
    template <class W> W *field(int id) const
    {
        auto *widget = qobject_cast<W *>(view->fieldWidget(id));
        EXPECT_NE(widget, nullptr) << "field " << id;
        return widget;
    }
    QLabel *labelStartingWith(const QString &text) const
    {
        for (QLabel *label : view->page()->findChildren<QLabel *>()) {
            if (label->text().startsWith(text))
                return label;
        }
        ADD_FAILURE() << "no label " << text.toStdString();
        return nullptr;
    }
    QRect onPage(QWidget *widget) const { return QRect(widget->mapTo(view->page(), QPoint(0, 0)), widget->size()); }
};

std::string today()
{
    std::string text;
    plecta::MakeLongDateText(text, plecta::localToday());
    return text;
}

// Replaces a box's text by typing, as a user does; the keys carry any Windows-1252 letter.
// Types over the whole text of a one-line field or a large text box.
void typeInto(QWidget *edit, const QString &text)
{
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

TEST(AdministrationFormsUi, UntouchedReportGivesItsLinesWithThePickersDate)
{
    OpenForm form(173);
    auto *picker = form.field<DatePicker>(1083);
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->date(), QDate::currentDate());
    // The picker shows the long date that core writes, and the document takes what it shows.
    EXPECT_EQ(qttext::toCp1252(picker->text()), today());

    // The window gives the document of the form as it starts today; the core tests pin that
    // text line by line.
    EXPECT_EQ(form.document(), formtest::untouched(forms::kDenuncia, plecta::localToday()));
    const auto l = form.lines();
    ASSERT_EQ(l.size(), 15u);
    EXPECT_EQ(l[0], cp("<NOM i COGNOMS>, major d'edat, amb DNI/NIE núm. <DNI/NIE>,"));
    // The document takes the picker's date without its weekday.
    const auto shownDate = [picker] { return std::string(plecta::withoutWeekday(qttext::toCp1252(picker->text()))); };
    EXPECT_EQ(l[10], "<MUNICIPI>, " + shownDate());
    EXPECT_NE(shownDate(), qttext::toCp1252(picker->text()));

    // A date chosen in the picker is the date the document shows.
    QTest::keyClick(picker, Qt::Key_Down);
    EXPECT_EQ(picker->date(), QDate::currentDate().addDays(-1));
    EXPECT_EQ(form.lines()[10], "<MUNICIPI>, " + shownDate());
    EXPECT_NE(form.lines()[10], l[10]);
}

TEST(AdministrationFormsUi, WithdrawalListIsSortedWithTheApplicationChosen)
{
    OpenForm form(186);
    auto *list = form.field<QComboBox>(1000);
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->isEditable());
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("petició"), QStringLiteral("queixa"), QStringLiteral("sol·licitud")}));
    EXPECT_EQ(list->currentText(), QStringLiteral("sol·licitud"));

    const std::string filed = qttext::toCp1252(form.field<DatePicker>(1084)->text());
    EXPECT_EQ(filed, today());
    EXPECT_EQ(form.lines()[6], cp("administracions públiques, de la sol·licitud presentada"));
    EXPECT_EQ(form.lines()[7].substr(0, 3), "el ");
    EXPECT_NE(form.lines()[7].find(std::string(plecta::withoutWeekday(filed)) + ", relativa a <ASSUMPTE>"),
              std::string::npos);

    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentText(), QStringLiteral("queixa"));
    EXPECT_EQ(form.lines()[6], cp("administracions públiques, de la queixa presentada"));
}

// The widgets write every edit into the form's state as it happens, and the window's document is
// the one the command line merges from the same edits.
TEST(AdministrationFormsUi, TheFormStateFollowsEveryEditAndKnowsWhenNothingChanged)
{
    OpenForm form(186);
    EXPECT_FALSE(form.view->isModified());
    auto *name = form.field<QLineEdit>(1042);
    ASSERT_TRUE(name);
    typeInto(name, QStringLiteral("Maria Puig"));
    EXPECT_EQ(form.view->state().text(1042), "Maria Puig");
    EXPECT_TRUE(form.view->isModified());
    // Emptied again, the box gives its placeholder once more: nothing is changed.
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Delete);
    EXPECT_EQ(form.view->state().text(1042), "<NOM i COGNOMS>");
    EXPECT_FALSE(form.view->isModified());

    auto *kind = form.field<QComboBox>(1000);
    ASSERT_TRUE(kind && kind->lineEdit());
    typeInto(kind->lineEdit(), QStringLiteral("consulta"));
    EXPECT_TRUE(form.view->state().holdsTypedText(1000));
    QTest::keyClick(form.field<DatePicker>(1084), Qt::Key_Down);

    forms::FormState typed(forms::kDesistiment, plecta::localToday());
    typed.type(1000, "consulta");
    typed.setDate(1084, std::chrono::sys_days(plecta::localToday()) - std::chrono::days(1));
    EXPECT_EQ(form.view->state().date(1084), typed.date(1084));
    EXPECT_EQ(form.document(), typed.document());
    EXPECT_TRUE(form.view->isModified());
}

TEST(AdministrationFormsUi, ModelBGridTwoPerLineWithoutTheAge)
{
    OpenForm form(166);
    EXPECT_EQ(form.lines()[1], "DNI/NIE:  <DNI/NIE>");
    EXPECT_FALSE(form.view->state().hasField(1043));

    // Left and right box of each line share the line; the lines go down in order.
    const std::pair<int, int> rows[] = {{1042, 1049}, {1044, 1047}, {1045, 1048}};
    int previousTop = -1;
    for (const auto &[left, right] : rows) {
        const QRect l = form.onPage(form.field<QLineEdit>(left)), r = form.onPage(form.field<QLineEdit>(right));
        EXPECT_EQ(l.center().y(), r.center().y()) << left << " " << right;
        EXPECT_LT(l.right(), r.left());
        EXPECT_GT(l.top(), previousTop);
        previousTop = l.top();
    }
    EXPECT_GT(form.onPage(form.field<QLineEdit>(1001)).top(), previousTop);

    typeInto(form.field<QLineEdit>(1050), QStringLiteral("X1234567L"));
    EXPECT_EQ(form.lines()[1], "DNI/NIE:  X1234567L");
}

TEST(AdministrationFormsUi, PleadingWithoutTheFieldItsTableNames)
{
    OpenForm form(185);
    EXPECT_FALSE(form.view->state().hasField(3011));
    const std::string text = form.document();
    EXPECT_EQ(text.find('%'), std::string::npos);
    EXPECT_TRUE(text.ends_with(cp("<MUNICIPI>, ") + std::string(plecta::withoutWeekday(today())) +
                               cp("\r\n\r\n(signatura)\r\n\r\n<DESTINACIÓ>")));
}

TEST(AdministrationFormsUi, AppealsTakeThePickersDateAndKeepTheirLayouts)
{
    OpenForm ordinary(189), review(190);
    EXPECT_EQ(ordinary.lines()[10],
              "amb data " +
                  std::string(plecta::withoutWeekday(qttext::toCp1252(ordinary.field<DatePicker>(1085)->text()))) +
                  ".");
    EXPECT_EQ(ordinary.field<QLineEdit>(1133)->text(), QStringLiteral("121"));
    EXPECT_EQ(review.field<QLineEdit>(1133)->text(), QStringLiteral("123"));

    // The appeal's article box ends the heading's second line; the reposition's has a line of its
    // own, and everything below it sits lower.
    const QRect heading189 = ordinary.onPage(ordinary.labelStartingWith(QStringLiteral("administratiu comú")));
    const QRect article189 = ordinary.onPage(ordinary.field<QLineEdit>(1133));
    EXPECT_GT(article189.left(), heading189.left());
    EXPECT_LE(article189.top(), heading189.bottom());
    const QRect heading190 = review.onPage(review.labelStartingWith(QStringLiteral("del procediment administratiu")));
    const QRect article190 = review.onPage(review.field<QLineEdit>(1133));
    EXPECT_GT(article190.top(), heading190.bottom());
    EXPECT_GT(review.onPage(review.field<DatePicker>(1135)).top(),
              ordinary.onPage(ordinary.field<DatePicker>(1135)).top());
}

TEST(AdministrationFormsUi, EveryFormScrollsInASmallPaneAndGivesTheSameTextTwice)
{
    for (const forms::FormDef *def : kAll) {
        SCOPED_TRACE(std::string(def->objectName));
        OpenForm form(def->layoutId, QSize(300, 200));
        EXPECT_EQ(form.view->objectName().toStdString(), def->objectName);
        EXPECT_TRUE(form.view->verticalScrollBar()->isVisible());
        EXPECT_TRUE(form.view->horizontalScrollBar()->isVisible());
        // Every field lies on the page, so scrolling reaches it.
        const QRect page = form.view->page()->rect();
        for (const forms::Item &item : def->items) {
            if (QWidget *widget = forms::isField(item) ? form.view->fieldWidget(item.id) : nullptr) {
                EXPECT_TRUE(page.contains(form.onPage(widget))) << item.name;
            }
        }
        const std::string first = form.document();
        EXPECT_FALSE(first.empty());
        EXPECT_EQ(form.document(), first);
    }
}

// Each field gets a value of its own through its widget: typed into a text box, a date stepped
// back in a picker, another item in the list. Each value must stand where its field's
// placeholder stood in the model, and nowhere else.
TEST(AdministrationFormsUi, EveryFormFilledThroughItsWidgets)
{
    for (const forms::FormDef *def : kAll) {
        SCOPED_TRACE(std::string(def->objectName));
        OpenForm form(def->layoutId);
        std::map<int, std::string> values;
        int daysBack = 0;
        for (const forms::Item &item : def->items) {
            if (!forms::isField(item))
                continue;
            QWidget *widget = form.view->fieldWidget(item.id);
            ASSERT_NE(widget, nullptr) << item.id;
            if (auto *picker = qobject_cast<DatePicker *>(widget)) {
                ++daysBack;
                for (int i = 0; i < daysBack; ++i)
                    QTest::keyClick(picker, Qt::Key_Down);
                ASSERT_EQ(picker->date(), QDate::currentDate().addDays(-daysBack));
                values[item.id] = std::string(plecta::withoutWeekday(qttext::toCp1252(picker->text())));
            } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
                const QString typed = QStringLiteral("camp %1 plaça").arg(item.id);
                typeInto(edit, typed);
                ASSERT_EQ(edit->text(), typed);
                values[item.id] = qttext::toCp1252(typed);
            } else if (auto *box = qobject_cast<FormTextBox *>(widget)) {
                // Two lines: the break reaches the document as CR LF.
                typeInto(box, QStringLiteral("camp %1 plaça").arg(item.id));
                QTest::keyClick(box, Qt::Key_Return);
                for (QChar c : QStringLiteral(u"segona línia"))
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
                values[item.id] =
                    qttext::toCp1252(QStringLiteral("camp %1 plaça").arg(item.id)) + "\r\nsegona l\xEDnia";
            } else if (auto *list = qobject_cast<QComboBox *>(widget)) {
                QTest::keyClick(list, Qt::Key_Up);
                values[item.id] = qttext::toCp1252(list->currentText());
                ASSERT_FALSE(values[item.id].empty());
                // The represented party's NIF typed here begins with a C, a company's: whatever the
                // list says, the document notifies it electronically.
                if (item.name == "mitja_notificacio")
                    values[item.id] = "per mitjans electr\xF2nics";
            } else {
                FAIL() << "unexpected field " << item.id;
            }
        }

        // Every optional box is filled here: each optional segment is kept.
        const std::string model = plecta::resolveOptionalSegments(
            formtest::modelText(def->modelId), [](std::string_view) -> std::optional<std::string> { return "x"; });
        std::string expected;
        std::size_t copied = 0;
        const std::regex placeholder("%([a-z0-9_]+)%");
        for (auto it = std::sregex_iterator(model.begin(), model.end(), placeholder); it != std::sregex_iterator();
             ++it) {
            expected +=
                model.substr(copied, it->position() - copied) + values.at(forms::findField(*def, (*it)[1].str())->id);
            copied = it->position() + it->length();
        }
        expected += model.substr(copied);
        EXPECT_EQ(qttext::toQString(form.document()).toStdString(), qttext::toQString(expected).toStdString());
    }
}

// The whole path as a user takes it: the Functions bar, the catalogue tree, typing into a form,
// the "Document" tab.
class AdministrationFormsWindow : public MainWindowTest
{
protected:
    AdministrationFormsWindow() : MainWindowTest({1000, 760}) {}
};

TEST_F(AdministrationFormsWindow, ThroughTheMainWindow)
{
    QListWidget *functions = frame->functionsBar()->list();
    QTest::mouseClick(functions->viewport(), Qt::LeftButton, {},
                      functions->visualItemRect(functions->item(1)).center());

    auto *catalogue = qobject_cast<CatalogueView *>(frame->activeView());
    ASSERT_NE(catalogue, nullptr);
    CatalogueTree *tree = catalogue->tree();
    auto click = [tree](std::string_view name) {
        QTreeWidgetItem *item = tree->itemOf(name);
        ASSERT_NE(item, nullptr) << name;
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    };
    auto shown = [catalogue] { return catalogue->shownForm(); };
    auto documentTab = [this] {
        frame->activateTab(1);
        auto *text = qobject_cast<DocumentView *>(frame->activeView());
        return text ? text->documentBytes() : std::string("no text view");
    };
    ASSERT_NE(shown(), nullptr);
    EXPECT_EQ(shown()->objectName(), QStringLiteral("applicationAForm"));

    click("denúncia");
    FormView *report = shown();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->objectName(), QStringLiteral("reportForm"));
    typeInto(report->fieldWidget(1045), QStringLiteral("Que el forn fa fum."));
    std::string expected;
    report->generateText(expected);
    const std::string text = documentTab();
    EXPECT_EQ(text, expected);
    EXPECT_NE(text.find("DENUNCIO\r\n\r\n     Que el forn fa fum.\r\n"), std::string::npos);

    // The withdrawal sits in the second group, collapsed at first: open it with its heading.
    frame->activateTab(0);
    QTreeWidgetItem *during = tree->itemOf("Documentació usada durant el procediment");
    ASSERT_NE(during, nullptr);
    EXPECT_FALSE(during->isExpanded());
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(during).center());
    click("desistiment");
    ASSERT_NE(shown(), nullptr);
    auto *list = qobject_cast<QComboBox *>(shown()->fieldWidget(1000));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), QStringLiteral("sol·licitud"));
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_NE(documentTab().find(cp("administracions públiques, de la queixa presentada\r\nel ") +
                                 std::string(plecta::withoutWeekday(today())) + ", relativa a"),
              std::string::npos);

    // Back to the report: what was typed is still there.
    frame->activateTab(0);
    click("denúncia");
    EXPECT_EQ(shown(), report);
    EXPECT_EQ(documentTab(), text);
    frame->closeAllChildren();
}
