#include "app/ui/AboutDialog.h"

#include "app/ui/LinkLabel.h"
#include "app/ui/Pictures.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct LinkDef
{
    const char *name; // the link's object name
    const char16_t *caption;
    const char16_t *text;
    const char16_t *target;
};

constexpr std::array<LinkDef, 4> kLinks = {{
    {"optimotLink", u"Consultes lingüístiques:", u"Optimot", u"https://optimot.gencat.cat"},
    {"termcatLink", u"Terminologia:", u"TERMCAT", u"https://www.termcat.cat"},
    {"diecLink", u"Diccionari normatiu:", u"DIEC2 de l'Institut d'Estudis Catalans", u"https://dlc.iec.cat"},
    {"softcatalaLink", u"Programari en català:", u"Softcatalà", u"https://www.softcatala.org"},
}};

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("Quant a Plecta"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(pictures::render(QStringLiteral(":/icons/plecta.svg"), {64, 64}, this));
    header->addWidget(icon, 0, Qt::AlignTop);
    auto *about =
        new QLabel(QStringLiteral(u"<b>Plecta</b> %1<br>Manual de redacció administrativa i comercial en català."
                                  u"<br><br>Programari lliure, distribuït sota la Llicència Pública General de GNU,"
                                  u" versió 3 o posterior (GPL-3.0-or-later), sense cap garantia.")
                       .arg(QStringLiteral(PLECTA_VERSION)),
                   this);
    about->setWordWrap(true);
    about->setMinimumWidth(340);
    header->addWidget(about, 1);
    layout->addLayout(header);

    auto *grid = new QGridLayout;
    for (std::size_t i = 0; i < kLinks.size(); ++i) {
        grid->addWidget(new QLabel(QString::fromUtf16(kLinks[i].caption), this), int(i), 0);
        m_links[i] = new LinkLabel(QString::fromUtf16(kLinks[i].text), this);
        m_links[i]->setObjectName(QLatin1StringView(kLinks[i].name));
        grid->addWidget(m_links[i], int(i), 1);
    }
    layout->addLayout(grid);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("D'acord"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    // Each link receives its target when the box opens; a new box starts with all unvisited.
    for (std::size_t i = 0; i < kLinks.size(); ++i)
        m_links[i]->setTarget(QString::fromUtf16(kLinks[i].target));
}

void AboutDialog::setOpener(const std::function<bool(const QString &)> &opener)
{
    for (LinkLabel *link : m_links)
        link->setOpener(opener);
}
