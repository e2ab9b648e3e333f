#pragma once
// The commercial document function open in a main window, with the steps its tests take: choose a
// kind in the catalogue, find a field of the form shown, read the "Document" tab.

#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/Workbook.h"
#include "forms/DocumentCatalogue.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/DocumentView.h"
#include "forms/ui/FormPane.h"
#include "forms/ui/FormView.h"
#include "forms/ui/LineItemDialog.h"
#include "forms/ui/LineItemFormViews.h"
#include "models/DateText.h"
#include "shell/ui/ChildFrame.h"
#include "text/ui/QtText.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace commercialtest {

inline QString dateText()
{
    std::string text;
    plecta::MakeDateText(text);
    return qttext::toQString(text);
}

// Types text key by key; each key carries its character, any letter included.
inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    typeText(edit, text);
}

class CommercialDocuments : public CommercialFunctionTest
{
protected:
    CommercialDocuments() : CommercialFunctionTest({1000, 760}) {}

    void select(std::string_view kind)
    {
        QTreeWidgetItem *item = catalogue->tree()->itemOf(kind);
        ASSERT_TRUE(item) << kind;
        if (item->parent())
            item->parent()->setExpanded(true);
        catalogue->tree()->scrollToItem(item);
        const QRect rect = catalogue->tree()->visualItemRect(item);
        QTest::mouseClick(catalogue->tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    template <class W> W *field(int id) const
    {
        FormView *form = catalogue->shownForm();
        return form ? qobject_cast<W *>(form->fieldWidget(id)) : nullptr;
    }
    // Turns to "Document" and returns its text, then back to "Edició".
    QString documentText()
    {
        frame->activateTab(1);
        const QString text = document->toPlainText();
        frame->activateTab(0);
        return text;
    }
    QStringList documentLines() { return documentText().split(u'\n'); }
};

} // namespace commercialtest
