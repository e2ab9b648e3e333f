#include "shell/ui/DialogSkin.h"

#include <QPalette>

const QColor DialogSkin::kCream(255, 255, 242);

DialogSkin::DialogSkin(QWidget *parent) : QDialog(parent)
{
    // Window and Button roles carry the dialog, labels, buttons, check boxes and lists; Base,
    // the role of edit boxes, stays as the platform has it.
    QPalette cream = palette();
    cream.setColor(QPalette::Window, kCream);
    cream.setColor(QPalette::Button, kCream);
    setPalette(cream);
    setAutoFillBackground(true);
}
