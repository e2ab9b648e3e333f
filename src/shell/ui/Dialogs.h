#pragma once
// The program's modal questions and messages go through here, so that tests can answer them in
// advance and still run the real code path without blocking on a modal window.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace dialogs {

// Message box titled "Plecta", the program's name.
QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Asks before something the user typed is thrown away: "Descarta" or "Cancel·la". Escape and
// closing the box cancel. True when the user chose to discard.
bool confirmDiscard(QWidget *parent, const QString &text);
// The same question with a third way out, when there is a form to keep: "Desa el formulari".
enum class DiscardAnswer { SaveForm, Discard, Cancel };
DiscardAnswer askDiscard(QWidget *parent, const QString &text, bool offerSaveForm);

// Asks whether to go on although something is missing, with a button that goes on (`goOn`,
// "Desa igualment") and one that goes back (`back`, the default, also Escape). True to go on.
bool confirmGoOn(QWidget *parent, const QString &text, const QString &goOn, const QString &back);

// The save-file dialog: asks before it replaces an existing file. Returns the chosen path with
// the default suffix added when the name has none, or an empty string when cancelled.
QString saveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                     const QString &proposed = {});
// The same with several file types: filters[i] adds suffixes[i] to a name typed without one, and
// *chosen tells which type the user chose.
QString saveFileName(QWidget *parent, const QStringList &filters, const QStringList &suffixes, int *chosen);
// The open-file dialog, showing the files the filter names ("Formularis de Plecta (*.plecta)").
QString openFileName(QWidget *parent, const QString &filter = {});

// The answers a test presets, kept by the application object (which owns one Answers object)
// rather than in globals; with nothing preset, the real dialogs are shown.
class Answers : public QObject
{
    Q_OBJECT
public:
    explicit Answers(QObject *application);
    // The application's, or nullptr when it has none.
    static Answers *of(QObject *application);

    std::optional<QString> nextFileName;
    std::optional<int> nextFileType;
    std::optional<QMessageBox::StandardButton> nextAnswer;
    std::optional<bool> nextGoOn;
    QString lastMessage;
    QString lastQuestion;
    bool unattended = false;
};

// Test seam: the next dialog of that kind returns this answer at once instead of showing.
void setNextFileName(const QString &path); // an empty path answers "cancel"
void setNextFileType(int filter);          // the type the next save dialog chose (0 unless told)
// For askDiscard(): Save chooses "Desa el formulari", Discard "Descarta", anything else cancels.
void setNextAnswer(QMessageBox::StandardButton answer);
void setNextGoOn(bool goOn); // the answer of the next confirmGoOn()
// The text of the last message box shown (or answered in advance), for tests.
QString lastMessage();
// The text of the last confirmGoOn() question, for tests.
QString lastQuestion();
void clearTestAnswers();
// Unattended runs (the tests): a dialog with no answer preset is not shown; it answers
// "cancel" at once and says so on standard error, so that a forgotten answer fails a test
// instead of hanging the run.
void setUnattended(bool unattended);

} // namespace dialogs
