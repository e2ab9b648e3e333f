#pragma once
#include "forms/ui/FormView.h"

#include <QStringList>

class LineItemDialog;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// A form with a list of line items. "Afegeix un concepte", or a double click below the lines,
// opens the line dialog for a new line, which goes in at the end of the list. A double click on a
// line, or Enter, opens it filled in to be changed; Delete removes it; the buttons beside the list
// (and Alt+Up, Alt+Down) move it.
class LineListFormView : public FormView
{
    Q_OBJECT
public:
    QTreeWidget *lineList() const;
    // Opens the selected line in the line dialog (nothing when no line is selected).
    void editSelectedLine();
    // Removes the selected line; the next one, or else the one above, is selected.
    void deleteSelectedLine();
    // Moves the selected line one place up (-1) or down (+1), keeping it selected.
    void moveSelectedLine(int step);

protected:
    // Opens the line dialog (modal to the form's window, without a nested event loop).
    void addLine() override;
    void initializeFields() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The form's line dialog with its caption and these labels set.
    virtual LineItemDialog *makeLineDialog(const QStringList &labels) = 0;
    // The values typed into a confirmed dialog, in column order.
    virtual QStringList lineValues(const LineItemDialog &dialog) const = 0;

private:
    // The dialog for a new line (`line` null) or filled with one to change it in place.
    void openLineDialog(QTreeWidgetItem *line);
    void addLineButtons();
    void updateLineButtons();

    QPushButton *m_editButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_upButton = nullptr;
    QPushButton *m_downButton = nullptr;
};

// The delivery note and the quote: four values a line.
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
