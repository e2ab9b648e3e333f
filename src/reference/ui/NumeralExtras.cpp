#include "reference/ui/NumeralExtras.h"

#include "reference/Amounts.h"
#include "reference/Ordinals.h"
#include "text/ui/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

namespace {

QLineEdit *resultField(const QString &name)
{
    auto *result = new QLineEdit;
    result->setObjectName(name);
    result->setReadOnly(true);
    result->setFrame(false);
    return result;
}

QLabel *note(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

QToolButton *copyButton(QWidget *source, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(QStringLiteral("Copia"));
    button->setToolTip(QStringLiteral("Copia el resultat al porta-retalls"));
    button->setObjectName(source->objectName() + QStringLiteral("Copy"));
    QPointer<QWidget> from = source;
    const auto text = [from]() -> QString {
        if (auto *label = qobject_cast<QLabel *>(from.data()))
            return label->text();
        if (auto *edit = qobject_cast<QLineEdit *>(from.data()))
            return edit->text();
        return {};
    };
    QObject::connect(button, &QToolButton::clicked, button, [text] { QApplication::clipboard()->setText(text()); });
    // A result field with nothing in it has nothing to copy; a label always shows a result.
    if (auto *edit = qobject_cast<QLineEdit *>(source)) {
        const auto update = [button, edit] { button->setEnabled(!edit->text().isEmpty()); };
        QObject::connect(edit, &QLineEdit::textChanged, button, update);
        update();
    }
    return button;
}

NumeralExtras::NumeralExtras(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("numeralExtras"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    int row = 0;

    grid->addWidget(new QLabel(QStringLiteral("Ordinals")), row++, 0, 1, 3);
    const QString labels[] = {QStringLiteral("Femení"), QStringLiteral("Masculí"), QStringLiteral("Abreujat en femení"),
                              QStringLiteral("Abreujat en masculí")};
    const QString names[] = {QStringLiteral("ordinalFeminine"), QStringLiteral("ordinalMasculine"),
                             QStringLiteral("ordinalFeminineShort"), QStringLiteral("ordinalMasculineShort")};
    for (int i = 0; i < 4; ++i) {
        m_ordinals[i] = resultField(names[i]);
        grid->addWidget(new QLabel(labels[i]), row, 0);
        grid->addWidget(m_ordinals[i], row, 1);
        grid->addWidget(copyButton(m_ordinals[i], this), row++, 2);
    }
    m_ordinalNote = note(QStringLiteral("ordinalNote"));
    grid->addWidget(m_ordinalNote, row++, 1, 1, 2);

    grid->setRowMinimumHeight(row++, fontMetrics().height());
    grid->addWidget(new QLabel(QStringLiteral("Import en euros")), row, 0);
    m_amount = new QLineEdit;
    m_amount->setObjectName(QStringLiteral("amountField"));
    m_amount->setPlaceholderText(QStringLiteral("1.234,56"));
    qttext::installInputGate(m_amount);
    grid->addWidget(m_amount, row++, 1);
    grid->addWidget(new QLabel(QStringLiteral("En lletres")), row, 0);
    m_amountWords = resultField(QStringLiteral("amountWords"));
    grid->addWidget(m_amountWords, row, 1);
    grid->addWidget(copyButton(m_amountWords, this), row++, 2);
    m_amountNote = note(QStringLiteral("amountNote"));
    grid->addWidget(m_amountNote, row++, 1, 1, 2);

    connect(m_amount, &QLineEdit::textChanged, this, &NumeralExtras::showAmount);
}

void NumeralExtras::showOrdinals(const QString &numberText)
{
    bool ok = false;
    const qulonglong value = numberText.toULongLong(&ok);
    const auto texts = ok && value <= numerals::kLargestOrdinal ? numerals::ordinal(unsigned(value)) : std::nullopt;
    const std::string forms[] = {texts ? texts->feminine : std::string(), texts ? texts->masculine : std::string(),
                                 texts ? texts->feminineShort : std::string(),
                                 texts ? texts->masculineShort : std::string()};
    for (int i = 0; i < 4; ++i) {
        m_ordinals[i]->setText(qttext::toQString(forms[i]));
        m_ordinals[i]->setCursorPosition(0);
    }
    m_ordinalNote->setText(texts || numberText.isEmpty() ? QString()
                                                         : QStringLiteral("Els ordinals van de l'1 al 999.999."));
}

void NumeralExtras::showAmount(const QString &text)
{
    std::string_view whyNot;
    const auto amount =
        text.trimmed().isEmpty() ? std::nullopt : numerals::parseAmount(qttext::toCp1252(text), &whyNot);
    m_amountWords->setText(amount ? qttext::toQString(numerals::amountInWords(*amount)) : QString());
    m_amountWords->setCursorPosition(0);
    QString why = amount ? QString() : qttext::toQString(whyNot);
    if (!why.isEmpty())
        why[0] = why[0].toUpper();
    m_amountNote->setText(why);
}
