#pragma once
#include "app/FunctionRegistry.h"

class QWidget;

// Builds the view of a window kind. The widget returned derives from ChildView; the caller
// (the child frame) owns it. Never returns nullptr: a kind without a view of its own gets an
// empty view.
QWidget *createView(const WindowKind &kind, QWidget *parent);
