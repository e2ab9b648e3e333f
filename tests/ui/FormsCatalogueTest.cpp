// The commercial document function as a user works it: the catalogue with its forms in "Edició",
// the merged text in "Document", the certificate's models and the line items of the delivery note.

#include "CommercialDocumentsFixture.h"

using namespace commercialtest;

TEST_F(CommercialDocuments, OpensOnTheMinutesWithTheirForm)
{
    CatalogueTree *tree = catalogue->tree();
    ASSERT_TRUE(tree->currentItem());
    EXPECT_EQ(tree->currentItem()->text(0), u"acta de reunió"_qs);
    EXPECT_EQ(tree->currentItem()->parent()->text(0), u"Actes i certificats"_qs);
    EXPECT_TRUE(tree->currentItem()->parent()->isExpanded());
    EXPECT_FALSE(tree->itemOf("Comunicats")->isExpanded()) << "only the first group starts open";
    // Every row shown without scrolling, also with a group opened ("comanda").
    const auto inSight = [tree](const char *kind) {
        QTreeWidgetItem *item = tree->itemOf(kind);
        return item && tree->viewport()->rect().contains(tree->visualItemRect(item));
    };
    EXPECT_GE(tree->height(), CatalogueView::kTreeHeight);
    EXPECT_TRUE(inSight("certificat"));
    tree->itemOf("Documentació comercial")->setExpanded(true);
    EXPECT_TRUE(inSight("comanda"));
    EXPECT_TRUE(inSight("Documentació comercial"));

    FormView *form = catalogue->shownForm();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->objectName(), u"minutesForm"_qs);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(document->sourceForm(), form);
    EXPECT_EQ(form->size(), catalogue->formPane()->size()) << "the form fills the pane";
    // The placeholder is a hint in an empty box.
    EXPECT_EQ(field<QLineEdit>(1077)->text(), QString());
    EXPECT_EQ(field<QLineEdit>(1077)->placeholderText(), u"<NOM DE L'ORGANISME>"_qs);
    EXPECT_EQ(field<QLineEdit>(1083)->text(), dateText());
    EXPECT_EQ(field<QComboBox>(1000)->currentText(), u"Càrrec"_qs);
    EXPECT_EQ(field<QComboBox>(1000)->count(), 5);

    // Tooltips: a kind shows its description, a heading none.
    EXPECT_TRUE(tree->currentItem()->toolTip(0).contains(u"constata un fet"_qs));
    EXPECT_TRUE(tree->itemOf("Actes i certificats")->toolTip(0).isEmpty());
}

TEST_F(CommercialDocuments, DocumentShowsTheMergedFormAndFollowsItsChanges)
{
    QStringList lines = documentLines();
    ASSERT_EQ(lines.size(), 35);
    EXPECT_EQ(lines[0], u"Acta de la reunió: <NOM DE L'ORGANISME>"_qs);
    EXPECT_EQ(lines[32], u"El secretari\tVist i plau"_qs);
    EXPECT_EQ(lines[3], u"Data: "_qs + dateText());
    EXPECT_EQ(lines[8], u"<NOM i COGNOMS>\tCàrrec"_qs);

    replaceText(field<QLineEdit>(1077), u"Consell Escolar"_qs);
    QComboBox *office = field<QComboBox>(1000);
    office->setFocus();
    QTest::keyClick(office, Qt::Key_End); // the last item, "Secretària"
    lines = documentLines();
    EXPECT_EQ(lines[0], u"Acta de la reunió: Consell Escolar"_qs);
    EXPECT_EQ(lines[8], u"<NOM i COGNOMS>\tSecretària"_qs);

    // A line deleted in "Document" comes back at the next activation.
    frame->activateTab(1);
    QTextCursor cursor = document->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
    document->setTextCursor(cursor);
    document->setFocus();
    QTest::keyClick(document, Qt::Key_Delete);
    EXPECT_FALSE(document->toPlainText().startsWith(u"Acta"_qs));
    frame->activateTab(0);
    EXPECT_EQ(documentLines()[0], u"Acta de la reunió: Consell Escolar"_qs);
}

TEST_F(CommercialDocuments, SwitchingKindsKeepsTypedTextAndHeadingsChangeNothing)
{
    replaceText(field<QLineEdit>(1082), u"12"_qs);
    FormView *minutes = catalogue->shownForm();

    select("carta");
    FormView *letter = catalogue->shownForm();
    ASSERT_TRUE(letter);
    EXPECT_NE(letter, minutes);
    EXPECT_FALSE(minutes->isVisible());
    EXPECT_EQ(document->sourceForm(), letter);
    EXPECT_TRUE(letter->isVisible());
    EXPECT_TRUE(documentText().startsWith(u"<NOM i COGNOMS>\n<CÀRREC/EMPRESA>\n"_qs));

    // A heading: the letter stays on screen and stays current.
    select("Comunicats");
    EXPECT_EQ(catalogue->shownForm(), letter);
    EXPECT_EQ(document->sourceForm(), letter);
    EXPECT_TRUE(letter->isVisible());

    select("acta de reunió");
    EXPECT_EQ(catalogue->shownForm(), minutes) << "the form is made once per kind";
    EXPECT_EQ(field<QLineEdit>(1082)->text(), u"12"_qs);
    EXPECT_EQ(documentLines()[2], u"Núm. de la sessió: 12"_qs);
}

TEST_F(CommercialDocuments, CertificateModelsFollowTheRadioButtons)
{
    select("certificat");
    FormView *form = catalogue->shownForm();
    ASSERT_TRUE(form);
    auto *modelA = field<QRadioButton>(1091);
    auto *modelB = field<QRadioButton>(1092);
    ASSERT_TRUE(modelA && modelB);
    EXPECT_TRUE(modelA->isChecked());
    // From the start the form is as Model A has it: Model B's sentence cannot be filled in.
    EXPECT_TRUE(field<QLineEdit>(1045)->isEnabled());
    EXPECT_FALSE(field<QLineEdit>(1046)->isEnabled());
    EXPECT_FALSE(form->isModified()) << "the initial model is no choice of the user's";

    replaceText(field<QLineEdit>(1045), u"a Barcelona"_qs);
    EXPECT_TRUE(documentText().contains(u"I,   a Barcelona,  expedeixo"_qs));

    QTest::mouseClick(modelB, Qt::LeftButton);
    EXPECT_TRUE(modelB->isChecked());
    EXPECT_FALSE(field<QLineEdit>(1045)->isEnabled());
    EXPECT_TRUE(field<QLineEdit>(1046)->isEnabled());
    QLabel *closingA = nullptr;
    for (QLabel *label : form->page()->findChildren<QLabel *>()) {
        if (label->text().startsWith(u"expedeixo"_qs))
            closingA = label;
    }
    ASSERT_TRUE(closingA);
    EXPECT_FALSE(closingA->isEnabled());
    // Model B: its own wording, and nothing from the field of Model A.
    QStringList lines = documentLines();
    EXPECT_EQ(lines[6], u"I, perquè se'n prengui coneixement i tingui els efectes que"_qs);
    EXPECT_EQ(lines[8], u" i el segell que ho acredita."_qs);

    replaceText(field<QLineEdit>(1046), u"del director"_qs);
    QTest::mouseClick(modelA, Qt::LeftButton);
    EXPECT_TRUE(field<QLineEdit>(1045)->isEnabled());
    EXPECT_FALSE(field<QLineEdit>(1046)->isEnabled());
    EXPECT_EQ(field<QLineEdit>(1046)->text(), u"del director"_qs) << "typed text stays in the form";
    lines = documentLines();
    EXPECT_EQ(lines[6], u"I,   a Barcelona,  expedeixo  a petició  de la persona interessada"_qs);

    // The choice survives a visit to another kind.
    QTest::mouseClick(modelB, Qt::LeftButton);
    select("carta");
    select("certificat");
    EXPECT_TRUE(field<QRadioButton>(1092)->isChecked());
    EXPECT_EQ(documentLines()[8], u"del director i el segell que ho acredita."_qs);
}

TEST_F(CommercialDocuments, FormsScrollWhenThePaneIsSmaller)
{
    frame->resize(700, 400);
    QTest::qWait(20);
    FormView *form = catalogue->shownForm();
    const QSize page = form->page()->size();
    EXPECT_GT(page.height(), form->viewport()->height());
    EXPECT_TRUE(form->verticalScrollBar()->isVisible());
    EXPECT_EQ(form->verticalScrollBar()->maximum(), page.height() - form->viewport()->height());
    // The page keeps its size; the scroll area follows the pane.
    frame->resize(1100, 800);
    QTest::qWait(20);
    EXPECT_EQ(form->page()->size(), page);
    EXPECT_EQ(form->size(), catalogue->formPane()->size());
}

TEST_F(CommercialDocuments, PaneKeysMoveBetweenTreeAndForm)
{
    catalogue->tree()->setFocus();
    ASSERT_TRUE(runAction(frame, frame->mainActions().nextPane));
    QWidget *focused = QApplication::focusWidget();
    ASSERT_TRUE(focused);
    EXPECT_TRUE(catalogue->shownForm()->isAncestorOf(focused));
    EXPECT_EQ(focused, catalogue->shownForm()->fieldWidget(1077));
    ASSERT_TRUE(runAction(frame, frame->mainActions().previousPane));
    EXPECT_TRUE(catalogue->tree()->hasFocus());
}

TEST_F(CommercialDocuments, UnrepresentableCharactersAreRefusedAtTheField)
{
    QLineEdit *edit = field<QLineEdit>(1077);
    replaceText(edit, u"Comit\u00E8 \u20AC"_qs); // è and the euro sign exist in Windows-1252
    typeText(edit, u"\u03A9"_qs);                // the Greek omega does not
    EXPECT_EQ(edit->text(), u"Comitè €"_qs);
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains(u"Ω"_qs));
    typeText(edit, u" Pe\u0140la e\u0301"_qs); // "ŀ" and a decomposed accent
    EXPECT_EQ(edit->text(), u"Comitè € Pel·la é"_qs);
    EXPECT_EQ(documentLines()[0], u"Acta de la reunió: Comitè € Pel·la é"_qs);
}

TEST_F(CommercialDocuments, EditableListsGiveWhatTheyShowPickedOrTyped)
{
    select("saluda");
    auto *title = field<QComboBox>(1000);
    ASSERT_TRUE(title);
    ASSERT_TRUE(title->isEditable());
    EXPECT_EQ(documentLines()[5], u"Senyor <NOM I COGNOMS>"_qs);

    title->setFocus();
    QTest::keyClick(title, Qt::Key_Down);
    EXPECT_EQ(documentLines()[5], u"Senyora <NOM I COGNOMS>"_qs);

    // Typed, not picked: the document takes the typed text, and the list gains no item.
    replaceText(title->lineEdit(), u"Doctora"_qs);
    EXPECT_EQ(title->count(), 2) << "typing adds no item";
    EXPECT_EQ(documentLines()[5], u"Doctora <NOM I COGNOMS>"_qs);
    title->lineEdit()->selectAll();
    QTest::keyClick(title->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(documentLines()[5], u" <NOM I COGNOMS>"_qs) << "an emptied list gives the empty text";
}

TEST_F(CommercialDocuments, LongDescriptionsWrapAtTheTooltipWidth)
{
    CatalogueTree *tree = catalogue->tree();
    QTreeWidgetItem *item = tree->itemOf("certificat");
    const QPoint at = tree->visualItemRect(item).center();
    QHelpEvent help(QEvent::ToolTip, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &help);
    QWidget *tip = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            tip = widget;
    }
    ASSERT_TRUE(tip);
    auto *label = qobject_cast<QLabel *>(tip);
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->text().contains(u"donem fe d'un fet"_qs));
    EXPECT_LE(label->width(), CatalogueTree::kTooltipWidth + 30);
    EXPECT_GT(label->height(), 2 * label->fontMetrics().lineSpacing()) << "a long description wraps";
    QToolTip::hideText();
}

TEST_F(CommercialDocuments, PublicAdministrationCatalogueListsItsTenKinds)
{
    frame->openFunction(1);
    auto *view = qobject_cast<CatalogueView *>(frame->workbook()->frames().at(0)->viewWidget());
    ASSERT_TRUE(view);
    auto *administrationDocument = qobject_cast<DocumentView *>(frame->workbook()->frames().at(1)->viewWidget());
    ASSERT_TRUE(administrationDocument);
    EXPECT_EQ(administrationDocument->sourceForm(), view->shownForm()) << "the Document follows its own catalogue";
    CatalogueTree *tree = view->tree();
    ASSERT_TRUE(tree->currentItem());
    EXPECT_EQ(tree->currentItem()->text(0), u"sol·licitud - Model A"_qs);
    int kinds = 0;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        kinds += tree->topLevelItem(g)->childCount();
        EXPECT_EQ(tree->topLevelItem(g)->isExpanded(), g == 0);
    }
    EXPECT_EQ(kinds, 17);
    // Both application models share one description.
    EXPECT_EQ(tree->itemOf("sol·licitud - Model A")->toolTip(0), tree->itemOf("sol·licitud - Model B")->toolTip(0));
}
