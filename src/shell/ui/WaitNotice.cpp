#include "shell/ui/WaitNotice.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

WaitNotice::WaitNotice(QWidget *centreOn)
    : QDialog(centreOn, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("waitNotice"));
    setWindowTitle(QStringLiteral("Esperi"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Carregant dades, si us plau esperi un moment..."), this));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void WaitNotice::showNow()
{
    adjustSize();
    if (QWidget *owner = parentWidget()) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
