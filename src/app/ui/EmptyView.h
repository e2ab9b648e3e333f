#pragma once
#include "app/ui/ChildView.h"

#include <QWidget>

// The view of a window kind that shows nothing of its own.
class EmptyView : public QWidget, public ChildView
{
    Q_OBJECT
public:
    explicit EmptyView(QWidget *parent = nullptr) : QWidget(parent) {}
};
