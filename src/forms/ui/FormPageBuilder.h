#pragma once
// The generic form widget builder: lays out a form's description as a page that reads like the
// document, with the fields in layout order between their labels and fixed sentences.
#include "forms/FormDescription.h"

#include <QHash>
#include <QList>
#include <QPair>

class QWidget;

struct FormPage
{
    QWidget *page = nullptr;
    QHash<int, QWidget *> byId;           // every item with an id
    QList<QPair<int, QWidget *>> grouped; // (group, widget) of every item with a group
};

// Builds the widgets of a form, empty (the form's initial update fills them). Text boxes and
// editable choice lists pass typed and pasted text through the input gate.
FormPage buildFormPage(const forms::FormDef &form);
