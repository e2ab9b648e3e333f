#pragma once
// The one place where Windows-1252 texts meet QString, and the gate that every text typed or
// pasted into the program passes on entry.

#include "text/InputGate.h"

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;
class QComboBox;

namespace qttext {

QString toQString(std::string_view cp1252);
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

// The Catalan status-bar message for a refused character; control characters are never shown raw.
QString refusalMessage(char32_t refused, textgate::Reason reason = textgate::Reason::NotRepresentable);

// Installs the gate on a one-line widget (a validator, and no length limit): typing or pasting is corrected or refused
// on entry, and a refusal is reported through showStatusMessage().
void installInputGate(QLineEdit *edit);
void installInputGate(QComboBox *editableCombo);

// Where refusals are reported; the main window points it at its status bar.
void setStatusReporter(void (*report)(const QString &message));
void showStatusMessage(const QString &message);

} // namespace qttext
