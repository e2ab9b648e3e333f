#include "forms/ui/LineItemFormViews.h"

#include "forms/ui/CDlgListAskItems.h"

#include <QTreeWidget>

namespace {

const QString kCaption = QStringLiteral("Nova entrada");

} // namespace

QTreeWidget *CLineListFormView::lineList() const
{
    return qobject_cast<QTreeWidget *>(fieldWidget(plecta::kLineListId));
}

void CLineListFormView::AddLine()
{
    QTreeWidget *list = lineList();
    if (!list || !description() || !description()->lineItems)
        return;
    QStringList labels;
    for (std::string_view label : description()->lineItems->dialogLabels)
        labels.append(QString::fromUtf8(label.data(), qsizetype(label.size())));
    CDlgListAskItems *dialog = makeLineDialog(labels);
    dialog->computeAmounts(forms::lineTable(*description()->lineItems));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Called from a button or from a double click seen by an event filter: opened, not run, so
    // no event loop starts inside the filter.
    connect(dialog, &QDialog::accepted, this, [this, dialog] { insertLine(lineValues(*dialog)); });
    dialog->open();
}

void CLineListFormView::insertLine(const QStringList &values)
{
    // Lines keep the order in which they are added.
    if (QTreeWidget *list = lineList())
        list->addTopLevelItem(new QTreeWidgetItem(values));
}

CDlgListAskItems *CTCViewAlbara::makeLineDialog(const QStringList &labels)
{
    auto *dialog = new CDlgListAskFourItems(this);
    dialog->SetCaption(kCaption);
    dialog->SetLabels(labels.value(0), labels.value(1), labels.value(2), labels.value(3));
    return dialog;
}

QStringList CTCViewAlbara::lineValues(const CDlgListAskItems &dialog) const
{
    QString v1, v2, v3, v4;
    static_cast<const CDlgListAskFourItems &>(dialog).GetValues(v1, v2, v3, v4);
    return {v1, v2, v3, v4};
}

CDlgListAskItems *CTCViewComanda::makeLineDialog(const QStringList &labels)
{
    auto *dialog = new CDlgListAskFiveItems(this);
    dialog->SetCaption(kCaption);
    dialog->SetLabels(labels.value(0), labels.value(1), labels.value(2), labels.value(3), labels.value(4));
    return dialog;
}

QStringList CTCViewComanda::lineValues(const CDlgListAskItems &dialog) const
{
    QString v1, v2, v3, v4, v5;
    static_cast<const CDlgListAskFiveItems &>(dialog).GetValues(v1, v2, v3, v4, v5);
    return {v1, v2, v3, v4, v5};
}
