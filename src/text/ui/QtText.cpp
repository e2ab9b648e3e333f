#include "text/ui/QtText.h"

#include "text/Cp1252.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace qttext {
namespace {

// Validator that passes typed and pasted text through the gate.
class GateValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const GateResult result = gateInput(input);
        if (!result.accepted()) {
            showStatusMessage(qobject_cast<QWidget *>(parent()), refusalMessage(result.refused, result.reason));
            return Invalid;
        }
        if (result.text != input) {
            pos += int(result.text.size() - input.size());
            pos = std::clamp(pos, 0, int(result.text.size()));
            input = result.text;
        }
        return Acceptable;
    }
};

} // namespace

QString fromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString toQString(std::string_view cp1252)
{
    QString out;
    out.reserve(qsizetype(cp1252.size()));
    for (char c : cp1252)
        out += QChar(char16_t(cp1252::toUnicode(static_cast<unsigned char>(c))));
    return out;
}

std::string toCp1252(const QString &text)
{
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar c : text) {
        const auto byte = cp1252::fromUnicode(c.unicode());
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

GateResult gateInput(const QString &text, textgate::FieldRules rules)
{
    GateResult result;
    const textgate::Result passed = textgate::pass(text.toStdString(), rules);
    if (passed.refusal) {
        result.refusedInput = true;
        result.refused = passed.refusal->character;
        result.reason = passed.refusal->reason;
        return result;
    }
    result.text = toQString(passed.text);
    return result;
}

QString refusalMessage(char32_t refused, textgate::Reason reason)
{
    if (reason != textgate::Reason::NotRepresentable || textgate::isUnprintable(refused)) {
        QString why = QString::fromStdString(std::string(textgate::reasonText(reason)));
        why.remove(QStringLiteral(u"no hi cap: "));
        return QStringLiteral(u"No es pot escriure %1: %2.")
            .arg(QString::fromStdString(textgate::describe(refused, reason)), why);
    }
    const QString code = QString::number(refused, 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral(u"No es pot escriure el caràcter «%1» (U+%2): el document no el pot contenir.")
        .arg(QString::fromUcs4(&refused, 1), code);
}

// Qt cuts a line edit's text at 32,767 characters unless told otherwise; a field of a document
// keeps whatever the user puts in it.
constexpr int kUnlimitedLength = std::numeric_limits<int>::max();

void installInputGate(QLineEdit *edit)
{
    edit->setMaxLength(kUnlimitedLength);
    edit->setValidator(new GateValidator(edit));
}

void installInputGate(QComboBox *editableCombo)
{
    if (QLineEdit *edit = editableCombo->lineEdit())
        edit->setMaxLength(kUnlimitedLength);
    editableCombo->setValidator(new GateValidator(editableCombo));
}

QEvent::Type StatusMessageEvent::eventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void showStatusMessage(QWidget *source, const QString &message)
{
    StatusMessageEvent event(message);
    for (QWidget *window = source ? source->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        // Only a window that shows status messages accepts the event.
        event.ignore();
        QCoreApplication::sendEvent(window, &event);
        if (event.isAccepted())
            return;
    }
}

} // namespace qttext
