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
    const std::optional<QStringList> values = askLine(labels);
    if (!values)
        return;
    // The newest line goes on top, so the document lists the lines newest first.
    auto *row = new QTreeWidgetItem(*values);
    list->insertTopLevelItem(0, row);
}

std::optional<QStringList> CTCViewAlbara::askLine(const QStringList &labels)
{
    CDlgListAskFourItems dialog(this);
    dialog.SetCaption(kCaption);
    dialog.SetLabels(labels.value(0), labels.value(1), labels.value(2), labels.value(3));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QString v1, v2, v3, v4;
    dialog.GetValues(v1, v2, v3, v4);
    return QStringList{v1, v2, v3, v4};
}

std::optional<QStringList> CTCViewComanda::askLine(const QStringList &labels)
{
    CDlgListAskFiveItems dialog(this);
    dialog.SetCaption(kCaption);
    dialog.SetLabels(labels.value(0), labels.value(1), labels.value(2), labels.value(3), labels.value(4));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QString v1, v2, v3, v4, v5;
    dialog.GetValues(v1, v2, v3, v4, v5);
    return QStringList{v1, v2, v3, v4, v5};
}
