#include "app/ui/FormFileCommands.h"

#include "app/ui/Workbook.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/DocumentView.h"
#include "forms/ui/FormFile.h"
#include "forms/ui/FormView.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/SafeSave.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

FormFileCommands::FormFileCommands(QWidget *window, Workbook *workbook, FunctionOpener openFunction)
    : QObject(window), m_window(window), m_workbook(workbook), m_openFunction(std::move(openFunction))
{}

FormView *FormFileCommands::activeForm() const
{
    ChildFrame *frame = m_workbook->activeFrame();
    QWidget *view = frame ? frame->viewWidget() : nullptr;
    if (auto *catalogue = qobject_cast<CatalogueView *>(view))
        return catalogue->shownForm();
    if (auto *document = qobject_cast<DocumentView *>(view))
        return document->sourceForm();
    return nullptr;
}

FormView *FormFileCommands::unsavedForm(const QList<ChildFrame *> &frames) const
{
    if (FormView *active = activeForm(); active && active->isModified())
        return active;
    for (ChildFrame *frame : frames) {
        if (auto *catalogue = qobject_cast<CatalogueView *>(frame->viewWidget())) {
            if (const QList<FormView *> modified = catalogue->modifiedForms(); !modified.isEmpty())
                return modified.first();
        }
    }
    return nullptr;
}

bool FormFileCommands::saveForm(FormView *form)
{
    if (!form || !form->isCreated())
        return false;
    const QString proposed = form == m_form ? m_path : QString();
    const QString path = dialogs::saveFileName(m_window, formfile::fileFilter(), QStringLiteral("plecta"), proposed);
    if (path.isEmpty())
        return false;
    const QString reason = safesave::writeFile(path, formfile::fileBytes(*form));
    if (!reason.isEmpty()) {
        dialogs::message(m_window, QMessageBox::Warning,
                         QStringLiteral("No s'ha pogut desar el formulari a «%1».\n\n%2")
                             .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    form->markUnmodified();
    setCurrent(form, path);
    return true;
}

bool FormFileCommands::openForm()
{
    const QString path = dialogs::openFileName(m_window, formfile::fileFilter());
    return !path.isEmpty() && openFile(path);
}

bool FormFileCommands::openFile(const QString &path, QString *problem)
{
    formfile::Loaded loaded = formfile::load(path);
    if (!loaded.form) {
        if (problem)
            *problem = loaded.error;
        dialogs::message(m_window, QMessageBox::Critical, loaded.error);
        return false;
    }
    // The kind's catalogue comes forward, opened or as it was left.
    if (!m_openFunction(loaded.catalogue))
        return false;
    CatalogueView *catalogue = nullptr;
    for (ChildFrame *frame : m_workbook->frames()) {
        if (auto *found = qobject_cast<CatalogueView *>(frame->viewWidget())) {
            catalogue = found;
            m_workbook->activateFrame(frame);
        }
    }
    if (!catalogue || !catalogue->selectKind(loaded.kind->name) || !catalogue->shownForm())
        return false;
    FormView *form = catalogue->shownForm();
    // What was typed into this form goes: the user says first.
    if (form->isModified()) {
        switch (dialogs::askDiscard(
            m_window, QStringLiteral("Es perdrà el text que heu escrit al formulari. Voleu descartar-lo?"), true)) {
        case dialogs::DiscardAnswer::Discard: break;
        case dialogs::DiscardAnswer::Cancel: return false;
        case dialogs::DiscardAnswer::SaveForm:
            if (!saveForm(form))
                return false;
            break;
        }
    }
    // The whole form as the file left the trial form: every field, those the file leaves out at
    // their start, replaces what the form held.
    QStringList unused; // the file's own warnings came with the trial
    formfile::restore(*form, *loaded.form, unused);
    const QStringList &warnings = loaded.warnings;
    form->markUnmodified();
    setCurrent(form, path);
    if (!warnings.isEmpty()) {
        const QString text = QStringLiteral("S'ha obert el formulari «%1», però:\n\n%2.")
                                 .arg(QDir::toNativeSeparators(path), warnings.join(QStringLiteral(";\n")));
        const auto warn = [window = m_window, text] { dialogs::message(window, QMessageBox::Warning, text); };
        // At start-up the window is shown after the file is open: the warning waits for it.
        if (m_window->isVisible())
            warn();
        else
            QTimer::singleShot(0, m_window, warn);
    }
    return true;
}

QString FormFileCommands::fileName() const
{
    // Only while the form's function is the one in front.
    for (ChildFrame *frame : m_workbook->frames()) {
        if (m_form && frame->isAncestorOf(m_form))
            return QFileInfo(m_path).fileName();
    }
    return {};
}

bool FormFileCommands::isModified() const
{
    return !fileName().isEmpty() && m_form->isModified();
}

void FormFileCommands::setCurrent(FormView *form, const QString &path)
{
    if (m_form != form) {
        if (m_form)
            disconnect(m_form, nullptr, this, nullptr);
        m_form = form;
        connect(form, &FormView::edited, this, &FormFileCommands::fileStateChanged);
        connect(form, &QObject::destroyed, this, &FormFileCommands::fileStateChanged, Qt::QueuedConnection);
    }
    m_path = path;
    emit fileStateChanged();
}
