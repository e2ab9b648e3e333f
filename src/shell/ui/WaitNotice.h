#pragma once
#include <QDialog>

// The modeless notice "Esperi" shown while long lists are filled. It takes no input; it is
// painted once when shown, since nothing else runs until the fill is over.
class WaitNotice : public QDialog
{
    Q_OBJECT
public:
    explicit WaitNotice(QWidget *centreOn);
    // Shows the notice centred on its window and paints it at once.
    void showNow();
};
