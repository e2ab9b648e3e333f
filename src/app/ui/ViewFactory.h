#pragma once
#include "app/FunctionRegistry.h"

#include <QList>

class QWidget;

// Builds the view of a window kind, a widget deriving from ChildView, named after its kind. The
// caller (the child frame it goes into) owns it.
QWidget *createView(ViewKind kind);

// Joins the views of one function that work together: the Document window follows the form
// shown by its catalogue.
void connectViews(const QList<QWidget *> &views);
