#include "reference/ui/NumeralsView.h"

#include "reference/Numerals.h"
#include "reference/ui/NumeralExtras.h"
#include "text/ui/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include <utility>

namespace {

QLabel *label(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

NumeralsView::NumeralsView(QWidget *parent) : QWidget(parent), m_number(new QLineEdit(this))
{
    setObjectName(QStringLiteral("numeralsForm"));
    // The whole form, its labels and its field on the system's window colour.
    QPalette form = palette();
    form.setColor(QPalette::Window, form.color(QPalette::Base));
    setPalette(form);
    setAutoFillBackground(true);

    // Laid out, not placed: larger fonts and high-density screens keep every text whole.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(8);
    layout->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 4);
    layout->setColumnStretch(2, 1);

    layout->addWidget(label(QStringLiteral("Escriptura dels numerals"), this), 0, 0, 1, 3);
    QLabel *numberLabel = label(QStringLiteral("Número"), this);
    numberLabel->setObjectName(QStringLiteral("numberLabel"));
    layout->addWidget(numberLabel, 1, 0, 1, 3);

    m_number->setObjectName(QStringLiteral("numberField"));
    m_number->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    numberLabel->setBuddy(m_number);
    // Digits only: a typed or pasted text with anything else in it is refused whole, so no sign
    // and no letter ever reaches the writer.
    m_number->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_number));
    layout->addWidget(m_number, 2, 1);

    QLabel *feminine = label(QStringLiteral("Femení"), this);
    layout->addWidget(feminine, 3, 0, 1, 3);
    m_feminine = label(QStringLiteral("0"), this);
    m_feminine->setObjectName(QStringLiteral("feminineResult"));
    layout->addWidget(m_feminine, 4, 1, 1, 2);
    QLabel *masculine = label(QStringLiteral("Masculí"), this);
    layout->addWidget(masculine, 5, 0, 1, 3);
    m_masculine = label(QStringLiteral("0"), this);
    m_masculine->setObjectName(QStringLiteral("masculineResult"));
    layout->addWidget(m_masculine, 6, 1, 1, 2);
    layout->setRowStretch(7, 1);

    // A long numeral shows whole, wrapped at spaces, and can be selected and copied.
    for (QLabel *result : {m_feminine, m_masculine}) {
        result->setWordWrap(true);
        result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        result->setFocusPolicy(Qt::StrongFocus);
        result->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    m_feminine->setAccessibleName(feminine->text());
    m_masculine->setAccessibleName(masculine->text());
    setTabOrder(m_number, m_feminine);
    setTabOrder(m_feminine, m_masculine);
    // Each result has its copy button at the right edge.
    layout->addWidget(copyButton(m_feminine, this), 4, 3, Qt::AlignTop);
    layout->addWidget(copyButton(m_masculine, this), 6, 3, Qt::AlignTop);

    // Ordinals of the same number and amounts in euros, below the cardinals.
    m_extras = new NumeralExtras(this);
    layout->addWidget(m_extras, 7, 0, 1, 4);
    layout->setRowStretch(7, 0);
    layout->setRowStretch(8, 1);

    // Whoever gives the form the focus gives it to the number field, its only input.
    setFocusProxy(m_number);
    connect(m_number, &QLineEdit::textChanged, this, &NumeralsView::updateWords);
    connect(m_number, &QLineEdit::textChanged, m_extras, &NumeralExtras::showOrdinals);
}

void NumeralsView::updateWords()
{
    const auto words = numerals::NumberToWords(qttext::toCp1252(m_number->text()));
    if (!words)
        return;
    m_feminine->setText(qttext::toQString(words->feminine));
    m_masculine->setText(qttext::toQString(words->masculine));
}
