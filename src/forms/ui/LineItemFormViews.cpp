#include "forms/ui/LineItemFormViews.h"

#include "forms/ui/LineItemDialog.h"

#include <QTreeWidget>

namespace {

const QString kCaption = QStringLiteral("Nova entrada");

} // namespace

QTreeWidget *LineListFormView::lineList() const
{
    return qobject_cast<QTreeWidget *>(fieldWidget(plecta::kLineListId));
}

void LineListFormView::addLine()
{
    QTreeWidget *list = lineList();
    if (!list || !description() || !description()->lineItems)
        return;
    QStringList labels;
    for (std::string_view label : description()->lineItems->dialogLabels)
        labels.append(QString::fromUtf8(label.data(), qsizetype(label.size())));
    LineItemDialog *dialog = makeLineDialog(labels);
    dialog->computeAmounts(forms::lineTable(*description()->lineItems));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Called from a button or from a double click seen by an event filter: opened, not run, so
    // no event loop starts inside the filter.
    connect(dialog, &QDialog::accepted, this, [this, dialog] { insertLine(lineValues(*dialog)); });
    dialog->open();
}

void LineListFormView::insertLine(const QStringList &values)
{
    // Lines keep the order in which they are added.
    if (QTreeWidget *list = lineList())
        list->addTopLevelItem(new QTreeWidgetItem(values));
}

LineItemDialog *DeliveryNoteFormView::makeLineDialog(const QStringList &labels)
{
    auto *dialog = new FourValueLineDialog(this);
    dialog->setCaption(kCaption);
    dialog->setLabels(labels.value(0), labels.value(1), labels.value(2), labels.value(3));
    return dialog;
}

QStringList DeliveryNoteFormView::lineValues(const LineItemDialog &dialog) const
{
    QString v1, v2, v3, v4;
    static_cast<const FourValueLineDialog &>(dialog).getValues(v1, v2, v3, v4);
    return {v1, v2, v3, v4};
}

LineItemDialog *OrderFormView::makeLineDialog(const QStringList &labels)
{
    auto *dialog = new FiveValueLineDialog(this);
    dialog->setCaption(kCaption);
    dialog->setLabels(labels.value(0), labels.value(1), labels.value(2), labels.value(3), labels.value(4));
    return dialog;
}

QStringList OrderFormView::lineValues(const LineItemDialog &dialog) const
{
    QString v1, v2, v3, v4, v5;
    static_cast<const FiveValueLineDialog &>(dialog).getValues(v1, v2, v3, v4, v5);
    return {v1, v2, v3, v4, v5};
}
