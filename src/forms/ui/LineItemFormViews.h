#pragma once
#include "forms/ui/COurFormView.h"

#include <QStringList>
#include <optional>

class QTreeWidget;

// A form with a list of line items: "Afegir concepte" or a double click on the list asks for a
// new line in a modal dialog and inserts it at the top of the list.
class CLineListFormView : public COurFormView
{
    Q_OBJECT
public:
    QTreeWidget *lineList() const;

protected:
    void AddLine() override;
    // Runs the form's line dialog with these labels; the values typed, or nothing if cancelled.
    virtual std::optional<QStringList> askLine(const QStringList &labels) = 0;
};

// The delivery note: four values a line.
class CTCViewAlbara : public CLineListFormView
{
    Q_OBJECT
protected:
    std::optional<QStringList> askLine(const QStringList &labels) override;
};

// The order: five values a line.
class CTCViewComanda : public CLineListFormView
{
    Q_OBJECT
protected:
    std::optional<QStringList> askLine(const QStringList &labels) override;
};
