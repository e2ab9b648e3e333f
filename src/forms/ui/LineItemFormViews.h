#pragma once
#include "forms/ui/FormView.h"

#include <QStringList>

class LineItemDialog;
class QTreeWidget;

// A form with a list of line items: "Afegeix un concepte" or a double click on the list opens a
// dialog for a new line; once it is confirmed, the line goes in at the end of the list.
class LineListFormView : public FormView
{
    Q_OBJECT
public:
    QTreeWidget *lineList() const;

protected:
    // Opens the line dialog (modal to the form's window, without a nested event loop).
    void addLine() override;
    // The form's line dialog with its caption and these labels set.
    virtual LineItemDialog *makeLineDialog(const QStringList &labels) = 0;
    // The values typed into a confirmed dialog, in column order.
    virtual QStringList lineValues(const LineItemDialog &dialog) const = 0;

private:
    void insertLine(const QStringList &values);
};

// The delivery note: four values a line.
class DeliveryNoteFormView : public LineListFormView
{
    Q_OBJECT
protected:
    LineItemDialog *makeLineDialog(const QStringList &labels) override;
    QStringList lineValues(const LineItemDialog &dialog) const override;
};

// The order: five values a line.
class OrderFormView : public LineListFormView
{
    Q_OBJECT
protected:
    LineItemDialog *makeLineDialog(const QStringList &labels) override;
    QStringList lineValues(const LineItemDialog &dialog) const override;
};
