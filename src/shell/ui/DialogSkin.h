#pragma once
#include <QDialog>

// Base of the program's own modal dialogs: every control but the edit boxes sits on pale cream
// (RGB 255, 255, 242); edit boxes keep the ordinary colours.
class DialogSkin : public QDialog
{
    Q_OBJECT
public:
    static const QColor kCream;
    explicit DialogSkin(QWidget *parent = nullptr);
};
