#include "reference/ui/CDlgSearch.h"

#include "reference/ui/DialogUnits.h"
#include "text/ui/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CDlgSearch::CDlgSearch(QWidget *parent) : CDialogSkin(parent), m_field(new QLineEdit(this))
{
    setObjectName(QStringLiteral("searchDialog"));
    setWindowTitle(QStringLiteral("Cercar"));
    // A small fixed dialog: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const DialogUnits du(fontMetrics());

    auto *label = new QLabel(QStringLiteral("Cercar:"), this);
    label->setGeometry(du.rect(6, 14, 29, 8));

    m_field->setObjectName(QStringLiteral("searchField"));
    m_field->setGeometry(du.rect(39, 12, 173, 14));
    qttext::installInputGate(m_field);
    label->setBuddy(m_field);

    auto *ok = new QPushButton(QStringLiteral("D'acord"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(du.rect(54, 34, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *cancel = new QPushButton(QStringLiteral("Cancel·la"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(du.rect(120, 34, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(du.size(224, 53));
    m_field->setFocus();
}

void CDlgSearch::accept()
{
    m_searchText = qttext::toCp1252(m_field->text());
    CDialogSkin::accept();
}
