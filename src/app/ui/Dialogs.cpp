#include "app/ui/Dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <cstdio>
#include <optional>

namespace dialogs {
namespace {

std::optional<QString> g_nextFileName;
std::optional<QMessageBox::StandardButton> g_nextAnswer;
QString g_lastMessage;
bool g_unattended = false;

bool refuseUnattended(const char *what, const QString &text)
{
    if (g_unattended)
        std::fprintf(stderr, "unattended %s answered with cancel: %s\n", what, text.toLocal8Bit().constData());
    return g_unattended;
}

QString withSuffix(const QString &path, const QString &defaultSuffix)
{
    if (path.isEmpty() || defaultSuffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + u'.' + defaultSuffix;
}

} // namespace

QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons)
{
    g_lastMessage = text;
    if (g_nextAnswer) {
        const auto answer = *g_nextAnswer;
        g_nextAnswer.reset();
        return answer;
    }
    if (refuseUnattended("message box", text))
        return QMessageBox::Cancel;
    QMessageBox box(icon, QStringLiteral("Plecta"), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool confirmDiscard(QWidget *parent, const QString &text)
{
    g_lastMessage = text;
    if (g_nextAnswer) {
        const auto answer = *g_nextAnswer;
        g_nextAnswer.reset();
        return answer == QMessageBox::Discard;
    }
    if (refuseUnattended("question", text))
        return false;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Plecta"), text, QMessageBox::Discard | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Descarta"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancel·la"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Discard);
}

QString saveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix)
{
    if (g_nextFileName) {
        const QString path = withSuffix(*g_nextFileName, defaultSuffix);
        g_nextFileName.reset();
        return path;
    }
    if (refuseUnattended("save dialog", filter))
        return {};
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    // The dialog asks before it replaces an existing file (Qt's default, kept on purpose).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString openFileName(QWidget *parent)
{
    if (g_nextFileName) {
        const QString path = *g_nextFileName;
        g_nextFileName.reset();
        return path;
    }
    if (refuseUnattended("open dialog", {}))
        return {};
    return QFileDialog::getOpenFileName(parent);
}

void setNextFileName(const QString &path)
{
    g_nextFileName = path;
}

void setNextAnswer(QMessageBox::StandardButton answer)
{
    g_nextAnswer = answer;
}

QString lastMessage()
{
    return g_lastMessage;
}

void setUnattended(bool unattended)
{
    g_unattended = unattended;
}

void clearTestAnswers()
{
    g_nextFileName.reset();
    g_nextAnswer.reset();
    g_lastMessage.clear();
}

} // namespace dialogs
