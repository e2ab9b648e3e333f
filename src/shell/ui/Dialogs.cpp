#include "shell/ui/Dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace dialogs {
Answers::Answers(QObject *application) : QObject(application)
{
    setObjectName(QStringLiteral("dialogAnswers"));
}

Answers *Answers::of(QObject *application)
{
    return application ? application->findChild<Answers *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

namespace {

// The application's answers, or nullptr: then every dialog is shown.
Answers *answers()
{
    return Answers::of(QCoreApplication::instance());
}

bool refuseUnattended(const char *what, const QString &text)
{
    const bool unattended = answers() && answers()->unattended;
    if (unattended)
        std::fprintf(stderr, "unattended %s answered with cancel: %s\n", what, text.toLocal8Bit().constData());
    return unattended;
}

// Takes the preset answer, if there is one.
template <class T> std::optional<T> take(std::optional<T> Answers::*which)
{
    Answers *preset = answers();
    return preset ? std::exchange(preset->*which, std::nullopt) : std::nullopt;
}

void remember(const QString &text)
{
    if (Answers *preset = answers())
        preset->lastMessage = text;
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
    remember(text);
    if (const auto preset = take(&Answers::nextAnswer)) {
        const auto answer = *preset;
        return answer;
    }
    if (refuseUnattended("message box", text))
        return QMessageBox::Cancel;
    QMessageBox box(icon, QStringLiteral("Plecta"), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool confirmDiscard(QWidget *parent, const QString &text)
{
    return askDiscard(parent, text, false) == DiscardAnswer::Discard;
}

DiscardAnswer askDiscard(QWidget *parent, const QString &text, bool offerSaveForm)
{
    remember(text);
    if (const auto preset = take(&Answers::nextAnswer)) {
        if (*preset == QMessageBox::Save && offerSaveForm)
            return DiscardAnswer::SaveForm;
        return *preset == QMessageBox::Discard ? DiscardAnswer::Discard : DiscardAnswer::Cancel;
    }
    if (refuseUnattended("question", text))
        return DiscardAnswer::Cancel;
    QMessageBox::StandardButtons buttons = QMessageBox::Discard | QMessageBox::Cancel;
    if (offerSaveForm)
        buttons |= QMessageBox::Save;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Plecta"), text, buttons, parent);
    if (offerSaveForm)
        box.button(QMessageBox::Save)->setText(QStringLiteral("Desa el &formulari"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Descarta"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancel·la"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (offerSaveForm && box.clickedButton() == box.button(QMessageBox::Save))
        return DiscardAnswer::SaveForm;
    return box.clickedButton() == box.button(QMessageBox::Discard) ? DiscardAnswer::Discard : DiscardAnswer::Cancel;
}

bool confirmGoOn(QWidget *parent, const QString &text, const QString &goOn, const QString &back)
{
    if (Answers *preset = answers())
        preset->lastQuestion = text;
    if (const auto preset = take(&Answers::nextGoOn))
        return *preset;
    if (refuseUnattended("question", text))
        return false;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Plecta"), text, QMessageBox::NoButton, parent);
    QPushButton *goOnButton = box.addButton(goOn, QMessageBox::AcceptRole);
    QPushButton *backButton = box.addButton(back, QMessageBox::RejectRole);
    box.setDefaultButton(backButton);
    box.setEscapeButton(backButton);
    box.exec();
    return box.clickedButton() == goOnButton;
}

QString saveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix, const QString &proposed)
{
    if (const auto preset = take(&Answers::nextFileName))
        return withSuffix(*preset, defaultSuffix);
    if (refuseUnattended("save dialog", filter))
        return {};
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    // The dialog asks before it replaces an existing file (Qt's default, kept on purpose).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString saveFileName(QWidget *parent, const QStringList &filters, const QStringList &suffixes, int *chosen)
{
    *chosen = 0;
    if (const auto preset = take(&Answers::nextFileName)) {
        *chosen = std::clamp(take(&Answers::nextFileType).value_or(0), 0, int(suffixes.size()) - 1);
        return withSuffix(*preset, suffixes.value(*chosen));
    }
    if (refuseUnattended("save dialog", filters.join(u';')))
        return {};
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.value(0));
    // The suffix follows the type, so the question before replacing a file names the right one.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(suffixes.value(int(filters.indexOf(filter))));
    });
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    *chosen = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

QString openFileName(QWidget *parent, const QString &filter)
{
    if (const auto preset = take(&Answers::nextFileName))
        return *preset;
    if (refuseUnattended("open dialog", {}))
        return {};
    return QFileDialog::getOpenFileName(parent, {}, {}, filter);
}

void setNextFileName(const QString &path)
{
    if (Answers *preset = answers())
        preset->nextFileName = path;
}

void setNextFileType(int filter)
{
    if (Answers *preset = answers())
        preset->nextFileType = filter;
}

void setNextAnswer(QMessageBox::StandardButton answer)
{
    if (Answers *preset = answers())
        preset->nextAnswer = answer;
}

void setNextGoOn(bool goOn)
{
    if (Answers *preset = answers())
        preset->nextGoOn = goOn;
}

QString lastQuestion()
{
    return answers() ? answers()->lastQuestion : QString();
}

QString lastMessage()
{
    return answers() ? answers()->lastMessage : QString();
}

void setUnattended(bool unattended)
{
    if (Answers *preset = answers())
        preset->unattended = unattended;
}

void clearTestAnswers()
{
    if (Answers *preset = answers()) {
        preset->nextFileName.reset();
        preset->nextFileType.reset();
        preset->nextAnswer.reset();
        preset->nextGoOn.reset();
        preset->lastMessage.clear();
        preset->lastQuestion.clear();
    }
}

} // namespace dialogs
