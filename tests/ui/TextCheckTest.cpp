// The checker in the windows: marks on one-line and multi-line boxes, the right-click menu, a
// replacement undone in one step, words ignored across a form, and the list of findings.

#include "check/ui/CheckedBox.h"
#include "check/ui/CheckerService.h"
#include "check/ui/FormChecking.h"
#include "check/ui/LineMarks.h"
#include "check/ui/ReviewDialog.h"
#include "text/ui/QtText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool checkerReady()
{
    CheckerService::instance().load();
    return QTest::qWaitFor([] { return CheckerService::instance().checker() != nullptr; }, 20000);
}

QString found(const CheckedBox &box, std::size_t i)
{
    const check::Finding &f = box.findings().at(i);
    return qttext::toQString(box.text().substr(f.begin, f.end - f.begin));
}

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("--") : action->text());
    return texts;
}

// Pixels of the mark's colour in a column range of a picture of the box.
int markPixels(const QImage &image, int x1, int x2, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = std::max(0, x1); x < std::min(image.width(), x2); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 60 && std::abs(pixel.green() - colour.green()) < 60 &&
                std::abs(pixel.blue() - colour.blue()) < 60)
                ++count;
        }
    }
    return count;
}

} // namespace

TEST(TextCheck, OneLineBoxMarksTheFormAndReplacesItInOneUndoStep)
{
    ASSERT_TRUE(checkerReady());
    QWidget window;
    auto *edit = new QLineEdit(QStringLiteral("Ho farem en base a l'informe"), &window);
    edit->setMinimumWidth(400);
    edit->setFocusPolicy(Qt::NoFocus); // no focus frame in the picture
    auto *box = new CheckedBox(edit, std::make_shared<check::IgnoredWords>());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ASSERT_EQ(box->findings().size(), 1u);
    EXPECT_EQ(found(*box, 0), QStringLiteral("en base a"));

    // The mark lies under the words it marks, and is painted there only.
    const auto *marks = edit->findChild<LineMarks *>();
    ASSERT_TRUE(marks);
    for (int position : {0, 9, 12}) {
        EXPECT_NEAR(edit->cursorPositionAt(QPoint(marks->xOf(position) + 2, edit->height() / 2)), position, 0)
            << position;
    }
    const QImage picture = edit->grab().toImage();
    const int begin = marks->xOf(9);
    const int end = marks->xOf(18);
    EXPECT_GT(markPixels(picture, begin, end, markColour(check::FindingKind::Castilianism)), 5);
    EXPECT_EQ(markPixels(picture, end + 3, picture.width(), markColour(check::FindingKind::Castilianism)), 0);

    QMenu *menu = box->contextMenu(12);
    const QStringList texts = menuTexts(menu);
    ASSERT_GE(texts.size(), 4);
    EXPECT_EQ(texts.mid(0, 3), (QStringList{QStringLiteral("d'acord amb"), QStringLiteral("partint de"),
                                            QStringLiteral("sobre la base de")}));
    EXPECT_TRUE(texts.contains(QStringLiteral("locució no admesa")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Ignora")));
    EXPECT_TRUE(texts.contains(QStringLiteral("--"))); // then the box's own menu
    menu->actions().front()->trigger();
    delete menu;
    EXPECT_EQ(edit->text(), QStringLiteral("Ho farem d'acord amb l'informe"));
    EXPECT_TRUE(box->findings().empty());
    edit->undo();
    EXPECT_EQ(edit->text(), QStringLiteral("Ho farem en base a l'informe"));
    EXPECT_EQ(box->findings().size(), 1u);

    // Away from a marked word the menu is the box's own.
    QMenu *plainMenu = box->contextMenu(2);
    EXPECT_FALSE(menuTexts(plainMenu).contains(QStringLiteral("Ignora")));
    delete plainMenu;
}

TEST(TextCheck, FormBoxesShareIgnoredWordsAndTheReviewGoesToTheWord)
{
    ASSERT_TRUE(checkerReady());
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *subject = new QLineEdit(QStringLiteral("Entonces, el plazo"), &form);
    subject->setAccessibleName(QStringLiteral("Assumpte"));
    auto *facts = new QPlainTextEdit(QStringLiteral("Fets:\nentonces tindrem que desarrollar-ho"), &form);
    facts->setAccessibleName(QStringLiteral("Fets"));
    auto *combo = new QComboBox(&form);
    combo->setEditable(true);
    combo->setEditText(QStringLiteral("entonces"));
    layout->addWidget(subject);
    layout->addWidget(facts);
    layout->addWidget(combo);
    auto *checking = new FormChecking(&form);
    form.show();

    const std::vector<CheckedBox *> boxes = checking->boxes();
    ASSERT_EQ(boxes.size(), 2u) << "the combo box's line is no text box";
    CheckedBox *factsBox = boxes[0]->box() == facts ? boxes[0] : boxes[1];
    ASSERT_EQ(factsBox->findings().size(), 3u);
    // Marks in the multi-line box: one wavy underline per finding, in the kind's colour.
    const QList<QTextEdit::ExtraSelection> selections = facts->extraSelections();
    ASSERT_EQ(selections.size(), 3);
    EXPECT_EQ(selections[0].cursor.selectedText(), QStringLiteral("entonces"));
    EXPECT_EQ(selections[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);
    EXPECT_EQ(selections[0].format.underlineColor(), markColour(check::FindingKind::Castilianism));

    {
        ReviewDialog review(checking->boxes());
        QTreeWidget *list = review.list();
        ASSERT_EQ(list->topLevelItemCount(), 5);
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = list->topLevelItem(i);
            rows.append(item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') + item->text(2) +
                        QLatin1Char('|') + item->text(3));
        }
        EXPECT_TRUE(rows.contains(QStringLiteral("Assumpte|plazo|castellanisme|termini")))
            << rows.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(rows.contains(QStringLiteral("Fets|tindrem que|castellanisme|haurem de")));
        // Choosing a row selects its word in its box.
        int row = 0;
        while (list->topLevelItem(row)->text(1) != QStringLiteral("tindrem que"))
            ++row;
        emit list->itemActivated(list->topLevelItem(row), 0);
        EXPECT_EQ(facts->textCursor().selectedText(), QStringLiteral("tindrem que"));
    }

    // "Ignora" in one box sets the word aside in every box of the form.
    QMenu *menu = factsBox->contextMenu(8);
    QAction *ignore = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("Ignora"))
            ignore = action;
    }
    ASSERT_TRUE(ignore);
    ignore->trigger();
    delete menu;
    CheckedBox *subjectBox = boxes[0] == factsBox ? boxes[1] : boxes[0];
    ASSERT_EQ(subjectBox->findings().size(), 1u);
    EXPECT_EQ(found(*subjectBox, 0), QStringLiteral("plazo"));
    EXPECT_EQ(factsBox->findings().size(), 2u);
}
