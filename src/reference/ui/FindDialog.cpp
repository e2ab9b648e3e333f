#include "reference/ui/FindDialog.h"

#include "text/ui/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget *parent) : DialogSkin(parent), m_field(new QLineEdit(this))
{
    setObjectName(QStringLiteral("searchDialog"));
    setWindowTitle(QStringLiteral("Cercar"));
    // A small fixed dialog: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    auto *label = new QLabel(QStringLiteral("Cercar:"), this);
    m_field->setObjectName(QStringLiteral("searchField"));
    m_field->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    qttext::installInputGate(m_field);
    label->setBuddy(m_field);
    form->addRow(label, m_field);
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("D'acord"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Cancel·la"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_field->setFocus();
}

void FindDialog::accept()
{
    m_searchText = qttext::toCp1252(m_field->text());
    DialogSkin::accept();
}
