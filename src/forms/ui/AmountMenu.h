#pragma once
// "Escriu l'import en lletres" in the context menu of a form's text fields: when the selection,
// or the whole field if nothing is selected, is an amount, it is replaced by the amount in words
// followed by its figure, as one edit that the field's undo takes back.
#include <QObject>
#include <QString>

#include <optional>

class QMenu;
class QPoint;
class QWidget;

class AmountMenu : public QObject
{
    Q_OBJECT
public:
    // Watches every one-line and multi-line text field under the page.
    static void attach(QWidget *page);

    // The action's text.
    static QString actionText();
    // What the field's amount (the selection, or its whole text) becomes; nothing when it is not
    // an amount.
    static std::optional<QString> replacementFor(const QWidget *field);
    // Puts the replacement in place of the selection or the whole text; false when it is not an
    // amount or the field is read-only.
    static bool writeInWords(QWidget *field);
    // The field's standard context menu, with the action added when the field holds an amount;
    // the caller owns it. pos: where the menu was asked for, in the field's coordinates.
    static QMenu *createMenu(QWidget *field, const QPoint &pos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
