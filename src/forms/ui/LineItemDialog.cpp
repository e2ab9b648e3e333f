#include "forms/ui/LineItemDialog.h"

#include "text/ui/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LineItemDialog::LineItemDialog(int count, QWidget *parent) : DialogSkin(parent)
{
    setWindowTitle(QStringLiteral("Diàleg"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setVerticalSpacing(10);
    const int labelWidth = fontMetrics().averageCharWidth() * 16;
    const int fieldWidth = fontMetrics().averageCharWidth() * 40;
    for (int i = 0; i < count; ++i) {
        auto *label = new QLabel(QStringLiteral("Element %1").arg(i + 1));
        label->setMinimumWidth(labelWidth);
        auto *edit = new QLineEdit;
        edit->setObjectName(QStringLiteral("item%1").arg(i + 1));
        edit->setFixedWidth(fieldWidth);
        qttext::installInputGate(edit);
        label->setBuddy(edit);
        form->addRow(label, edit);
        m_labels.append(label);
        m_fields.append(edit);
        m_values.append(QString());
    }
    layout->addLayout(form);
    m_form = form;
    m_message = new QLabel;
    m_message->setWordWrap(true);
    m_message->hide();
    layout->addWidget(m_message);
    layout->addSpacing(8);

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("D'acord"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel·la"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    if (!m_fields.isEmpty())
        m_fields.first()->setFocus();
}

void LineItemDialog::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void LineItemDialog::setLabelList(const QStringList &labels)
{
    for (int i = 0; i < m_labels.size() && i < labels.size(); ++i)
        m_labels.at(i)->setText(labels.at(i));
}

QLineEdit *LineItemDialog::field(int index) const
{
    return m_fields.value(index);
}

void LineItemDialog::computeAmounts(const plecta::LineTable &table)
{
    QLineEdit *amount = field(table.amountColumn);
    if (!field(table.quantityColumn) || !field(table.priceColumn) || !amount)
        return;
    m_table = table;
    amount->setPlaceholderText(QStringLiteral("quantitat × preu"));
    amount->setToolTip(QStringLiteral("Es calcula sol mentre escriviu la quantitat i el preu; si hi escriviu un "
                                      "altre import, es manté el vostre."));
    connect(field(table.quantityColumn), &QLineEdit::textEdited, this, &LineItemDialog::updateAmount);
    connect(field(table.priceColumn), &QLineEdit::textEdited, this, &LineItemDialog::updateAmount);
    connect(amount, &QLineEdit::textEdited, this, [this](const QString &text) { m_amountWritten = !text.isEmpty(); });
    // Said in the dialog itself, under the amount, not only in a tooltip.
    auto *hint = new QLabel(QStringLiteral("L'import es calcula sol: quantitat × preu. Si n'hi escriviu un altre, "
                                           "es manté el vostre; esborreu-lo per tornar al calculat."));
    hint->setWordWrap(true);
    hint->setObjectName(QStringLiteral("amountHint"));
    m_form->insertRow(table.amountColumn + 1, hint);
    // A line opened again: an amount that is not the product was written by the user.
    const money::Reading<money::Cents> written = money::readAmount(qttext::toCp1252(amount->text()));
    const std::optional<money::Cents> computed = computedAmount();
    m_amountWritten = !amount->text().isEmpty() && (!written.value || written.value != computed);
}

std::optional<money::Cents> LineItemDialog::computedAmount() const
{
    std::vector<std::string> cells;
    for (QLineEdit *edit : m_fields)
        cells.push_back(qttext::toCp1252(edit->text()));
    cells[std::size_t(m_table->amountColumn)].clear();
    return plecta::checkLine(*m_table, cells, false).computedAmount;
}

void LineItemDialog::updateAmount()
{
    if (!m_table || m_amountWritten)
        return;
    const std::optional<money::Cents> computed = computedAmount();
    field(m_table->amountColumn)->setText(computed ? qttext::toQString(money::formatAmount(*computed)) : QString());
}

void LineItemDialog::accept()
{
    if (m_table) {
        std::vector<std::string> cells;
        for (QLineEdit *edit : m_fields)
            cells.push_back(qttext::toCp1252(edit->text()));
        if (const plecta::LineCheck check = plecta::checkLine(*m_table, cells, false); check.problem) {
            // Nothing is added: the line stays in the dialog to be put right.
            m_message->setText(qttext::toQString(*check.problem));
            m_message->show();
            return;
        }
    }
    // Exactly as typed: no trimming.
    for (int i = 0; i < m_fields.size(); ++i)
        m_values[i] = m_fields.at(i)->text();
    DialogSkin::accept();
}

FourValueLineDialog::FourValueLineDialog(QWidget *parent) : LineItemDialog(4, parent) {}

void FourValueLineDialog::setLabels(const QString &l1, const QString &l2, const QString &l3, const QString &l4)
{
    setLabelList({l1, l2, l3, l4});
}

void FourValueLineDialog::getValues(QString &v1, QString &v2, QString &v3, QString &v4) const
{
    const QStringList v = values();
    v1 = v.value(0), v2 = v.value(1), v3 = v.value(2), v4 = v.value(3);
}

FiveValueLineDialog::FiveValueLineDialog(QWidget *parent) : LineItemDialog(5, parent) {}

void FiveValueLineDialog::setLabels(const QString &l1, const QString &l2, const QString &l3, const QString &l4,
                                    const QString &l5)
{
    setLabelList({l1, l2, l3, l4, l5});
}

void FiveValueLineDialog::getValues(QString &v1, QString &v2, QString &v3, QString &v4, QString &v5) const
{
    const QStringList v = values();
    v1 = v.value(0), v2 = v.value(1), v3 = v.value(2), v4 = v.value(3), v5 = v.value(4);
}
