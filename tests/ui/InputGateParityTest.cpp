// The window's gate is the core's: one table of inputs through the core gate and through the
// QString adapter the windows use gets the same verdicts, and a line edit with the gate installed
// keeps out what the gate refuses.

#include "text/InputGate.h"
#include "text/ui/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string_view>

namespace {

const std::string_view kInputs[] = {
    "Maria Puig i Soler",
    "coŀlega i ĿLOBET",
    "Me\u0301rida, c\u0327a, S\u030C, Y\u0308",
    "a\u037E \u212B \u0387",
    "20 \u20AC \u2026 \u2019",
    "Anna \u2192 Joan",
    "ok \U0001F600",
    "a\u0301\u0302",
    "\u01FA",
    "a\tb",
    "a\x1b[31m",
    std::string_view("a\0b", 3),
    "x\x7f",
    "a\u0085b",
    "\u0081",
    "dues\nl\u00EDnies",
    "a\r\nb",
    "\uFFFD",
    "a\xC3",
    "\xED\xA0\x80",
    "",
};

} // namespace

TEST(InputGateParity, TheWindowAndTheCoreGiveTheSameVerdicts)
{
    for (const textgate::FieldRules rules : {textgate::kOneLine, textgate::kSeveralLines}) {
        for (std::string_view input : kInputs) {
            SCOPED_TRACE(std::string(input) + (rules.lineBreaks ? " (several lines)" : " (one line)"));
            const textgate::Result core = textgate::pass(input, rules);
            const qttext::GateResult window =
                qttext::gateInput(QString::fromUtf8(input.data(), qsizetype(input.size())), rules);
            ASSERT_EQ(window.accepted(), core.accepted());
            if (core.accepted()) {
                EXPECT_EQ(qttext::toCp1252(window.text), core.text);
                continue;
            }
            EXPECT_EQ(window.refused, core.refusal->character);
            // A QString holds no broken UTF-8: what the core calls a bad sequence reaches the
            // window as U+FFFD, which it refuses as a character.
            if (core.refusal->reason != textgate::Reason::InvalidUtf8) {
                EXPECT_EQ(window.reason, core.refusal->reason);
            }
        }
    }
}

TEST(InputGateParity, ALineEditTakesWhatTheGateLetsThrough)
{
    QLineEdit edit;
    qttext::installInputGate(&edit);
    const std::pair<const char16_t *, const char16_t *> pastes[] = {
        {u"\t1", u"Nom 1"},      // a TAB as a space
        {u"\x1b[2J", u"Nom[2J"}, // the control character left out
        {u"\n2", u"Nom 2"},      // the lines joined
        {u"\u2192", u"Nom"},     {u"\u0085", u"Nom"}, {u" e\u0301s co\u0140lega", u"Nom és col·lega"},
    };
    for (const auto &[pasted, kept] : pastes) {
        edit.setText(QStringLiteral(u"Nom"));
        edit.insert(QString::fromUtf16(pasted));
        EXPECT_EQ(edit.text(), QString::fromUtf16(kept)) << QString::fromUtf16(pasted).toStdString();
    }

    // The paste key: what fits goes in over the selection; a paste nothing of which fits leaves
    // the selection as it was.
    edit.setText(QStringLiteral(u"Nom"));
    edit.selectAll();
    QApplication::clipboard()->setText(QStringLiteral(u"Hola \U0001F600 café"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral(u"Hola  café"));
    edit.selectAll();
    QApplication::clipboard()->setText(QStringLiteral(u"\U0001F600\u4E16"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral(u"Hola  café"));
    EXPECT_EQ(edit.selectedText(), QStringLiteral(u"Hola  café"));
    QApplication::clipboard()->clear();

    // The status bar names a control character by its code, never raw.
    const QString message = qttext::refusalMessage(0x1B, textgate::Reason::Control);
    EXPECT_TRUE(message.contains(QStringLiteral("U+001B")));
    EXPECT_FALSE(message.contains(QChar(0x1B)));
}
