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

void LineItemDialog::accept()
{
    // Exactly as typed: no trimming, no check of what the values mean.
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
