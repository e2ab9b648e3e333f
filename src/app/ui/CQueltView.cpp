#include "app/ui/CQueltView.h"

#include "app/Commands.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Pictures.h"

#include <QDir>
#include <QSaveFile>

#include <QPainter>

CQueltView::CQueltView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("startView"));
}

const QPixmap &CQueltView::picture() const
{
    // Drawn on first use rather than at construction, so that the main window shows sooner.
    if (m_picture.isNull())
        m_picture = pictures::render(QStringLiteral(":/pictures/start.svg"), kPictureSize, this);
    return m_picture;
}

void CQueltView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
}

bool CQueltView::answersCommand(int command) const
{
    return command == cmd::FileSave;
}

void CQueltView::runCommand(int command)
{
    if (command != cmd::FileSave)
        return;
    const QString path = dialogs::saveFileName(this, QStringLiteral("Tots els fitxers (*)"), {});
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.commit()) {
        dialogs::message(this, QMessageBox::Warning,
                         QStringLiteral("No s'ha pogut desar el fitxer «%1»: %2.")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}
