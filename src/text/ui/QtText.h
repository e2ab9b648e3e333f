#pragma once
// The one place where Windows-1252 texts meet QString, and the gate that every text typed or
// pasted into the program passes on entry.

#include "text/InputGate.h"

#include <QEvent>
#include <QString>
#include <string>
#include <string_view>

class QComboBox;
class QLineEdit;
class QWidget;

namespace qttext {

QString toQString(std::string_view cp1252);
// The interface's own texts, kept as UTF-8 in the core's tables.
QString fromUtf8(std::string_view utf8);
// Only for texts that passed the gate; a character Windows-1252 cannot hold becomes "?".
std::string toCp1252(const QString &text);

struct GateResult
{
    QString text; // the accepted text: NFC, "ŀ" written "l·", line breaks as CR LF
    bool refusedInput = false;
    char32_t refused = 0; // the first character refused (U+0000 is one too)
    textgate::Reason reason = textgate::Reason::NotRepresentable;
    bool accepted() const { return !refusedInput; }
};

// The core's input gate for a QString: "ŀ"/"Ŀ" become "l·"/"L·", decomposed accents are composed;
// a control character, a line break (in a one-line field), a TAB (where the field takes none) or
// any character that Windows-1252 cannot hold makes the whole input refused.
GateResult gateInput(const QString &text, textgate::FieldRules rules = textgate::kOneLine);

// What a field keeps of a pasted text it cannot take whole (textgate::salvage): the text, as
// gateInput() gives an accepted one, and the status-bar message that says what was left out or
// joined (empty when nothing was).
struct Salvage
{
    QString text;
    QString message;
};
Salvage salvageInput(const QString &text, textgate::FieldRules rules = textgate::kOneLine);

// The Catalan status-bar message for a refused character; control characters are never shown raw.
QString refusalMessage(char32_t refused, textgate::Reason reason = textgate::Reason::NotRepresentable);

// Installs the gate on a one-line widget (a validator, and no length limit): typing or pasting is
// corrected on entry, taking what it can of what the gate refuses (salvageInput()), and what was
// left out is reported through showStatusMessage().
void installInputGate(QLineEdit *edit);
void installInputGate(QComboBox *editableCombo);
// Pastes into a one-line field what it can take of the clipboard's text, over the selection, and
// says in the status bar what was left out; a paste nothing of which fits changes nothing. True
// when something was pasted.
bool pasteInto(QLineEdit *edit);

// A message for the status bar, on its way from the widget where it arose to the window that
// shows it: the event goes to the widget's window, then to the window that window belongs to
// (a dialog's owner), until one accepts it. The main window shows it in its status bar.
class StatusMessageEvent : public QEvent
{
public:
    explicit StatusMessageEvent(QString message) : QEvent(eventType()), m_message(std::move(message)) {}
    static QEvent::Type eventType();
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// Sends a message up from `source` (see StatusMessageEvent); nothing happens when no window
// takes it.
void showStatusMessage(QWidget *source, const QString &message);

} // namespace qttext
