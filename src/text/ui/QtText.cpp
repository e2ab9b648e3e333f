#include "text/ui/QtText.h"

#include "text/Cp1252.h"
#include "text/PasteSalvage.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace qttext {
namespace {

// Validator that passes typed and pasted text through the gate. It also takes the field's paste
// key, so that a paste nothing of which fits leaves the field as it was.
class GateValidator : public QValidator
{
public:
    GateValidator(QObject *owner, QLineEdit *edit) : QValidator(owner), m_edit(edit)
    {
        if (edit)
            edit->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_edit && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste) && !m_edit->isReadOnly()) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept(); // the key is the field's, not the window's
                return true;
            }
            pasteInto(m_edit);
            return true;
        }
        return QValidator::eventFilter(watched, event);
    }

    State validate(QString &input, int &pos) const override
    {
        GateResult result = gateInput(input);
        if (!result.accepted()) {
            // A paste keeps what the field can take: the rest is left out and named, its lines
            // are joined.
            const Salvage salvaged = salvageInput(input);
            showStatusMessage(qobject_cast<QWidget *>(parent()), salvaged.message);
            result.text = salvaged.text;
        }
        if (result.text != input) {
            pos += int(result.text.size() - input.size());
            pos = std::clamp(pos, 0, int(result.text.size()));
            input = result.text;
        }
        return Acceptable;
    }

private:
    QLineEdit *m_edit;
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

Salvage salvageInput(const QString &text, textgate::FieldRules rules)
{
    const textgate::Salvaged salvaged = textgate::salvage(text.toStdString(), rules);
    return {toQString(salvaged.text), QString::fromStdString(textgate::salvageMessage(salvaged))};
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
    edit->setValidator(new GateValidator(edit, edit));
}

void installInputGate(QComboBox *editableCombo)
{
    if (QLineEdit *edit = editableCombo->lineEdit())
        edit->setMaxLength(kUnlimitedLength);
    editableCombo->setValidator(new GateValidator(editableCombo, editableCombo->lineEdit()));
}

bool pasteInto(QLineEdit *edit)
{
    const Salvage salvaged = salvageInput(QGuiApplication::clipboard()->text());
    if (!salvaged.message.isEmpty())
        showStatusMessage(edit, salvaged.message);
    if (salvaged.text.isEmpty())
        return false;
    edit->insert(salvaged.text);
    return true;
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
