#pragma once
#include "app/FunctionRegistry.h"

#include <QList>

class QWidget;
class Workbook;

// Builds the view of a window kind, a widget deriving from ChildView, named after its kind. The
// caller (the child frame it goes into) owns it.
QWidget *createView(ViewKind kind);

// Joins the views of one function that work together: the Document window follows the form
// shown by its catalogue and, asked to go back to the form, brings a field of it forward in
// the workbook.
void connectViews(const QList<QWidget *> &views, Workbook *workbook);
