#pragma once
#include "forms/ui/COurFormView.h"

#include <QStringList>

class CDlgListAskItems;
class QTreeWidget;

// A form with a list of line items: "Afegeix un concepte" or a double click on the list opens a
// dialog for a new line; once it is confirmed, the line goes in at the end of the list.
class CLineListFormView : public COurFormView
{
    Q_OBJECT
public:
    QTreeWidget *lineList() const;

protected:
    // Opens the line dialog (modal to the form's window, without a nested event loop).
    void AddLine() override;
    // The form's line dialog with its caption and these labels set.
    virtual CDlgListAskItems *makeLineDialog(const QStringList &labels) = 0;
    // The values typed into a confirmed dialog, in column order.
    virtual QStringList lineValues(const CDlgListAskItems &dialog) const = 0;

private:
    void insertLine(const QStringList &values);
};

// The delivery note: four values a line.
class CTCViewAlbara : public CLineListFormView
{
    Q_OBJECT
protected:
    CDlgListAskItems *makeLineDialog(const QStringList &labels) override;
    QStringList lineValues(const CDlgListAskItems &dialog) const override;
};

// The order: five values a line.
class CTCViewComanda : public CLineListFormView
{
    Q_OBJECT
protected:
    CDlgListAskItems *makeLineDialog(const QStringList &labels) override;
    QStringList lineValues(const CDlgListAskItems &dialog) const override;
};
