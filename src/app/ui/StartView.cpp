#include "app/ui/StartView.h"

#include "app/ui/Pictures.h"
#include "shell/ui/Dialogs.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>

namespace {

using pictures::Caption;
constexpr auto kStart = Caption::Anchor::Start;
constexpr QRgb kBody = 0x3b2a22, kMuted = 0x7a5a48;

constexpr Caption kStartCaptions[] = {
    {{130, 300}, Caption::Anchor::Middle, true, 30, 0xfffdf2, 3, u"PLECTA"},
    {{330, 200}, kStart, true, 86, 0x5e2016, 0, u"Plecta"},
    {{334, 250}, kStart, false, 26, kMuted, 0, u"Manual de redacció administrativa i comercial"},
    {{334, 342}, kStart, false, 21, kBody, 0, u"Textos de l'empresa: actes, certificats, convocatòries, cartes,"},
    {{334, 370}, kStart, false, 21, kBody, 0, u"comunicats, albarans i comandes."},
    {{334, 420}, kStart, false, 21, kBody, 0, u"Administració pública: sol·licituds, denúncies, al·legacions,"},
    {{334, 448}, kStart, false, 21, kBody, 0, u"queixes i recursos."},
    {{334, 498}, kStart, false, 21, kBody, 0, u"Vocabulari castellà - català, numerals, abreviatures,"},
    {{334, 526}, kStart, false, 21, kBody, 0, u"símbols i sigles, tractaments protocol·laris,"},
    {{334, 554}, kStart, false, 21, kBody, 0, u"municipis i comarques de Catalunya."},
    {{334, 660}, kStart, false, 18, kMuted, 0, u"Trieu una funció a la barra de l'esquerra per començar."},
};

} // namespace

const pictures::Picture &StartView::startPicture()
{
    static constexpr pictures::Picture picture{u":/pictures/start.svg", kPictureSize, kStartCaptions, true};
    return picture;
}

StartView::StartView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("startView"));
}

const QPixmap &StartView::picture() const
{
    // Drawn on first use rather than at construction, so that the main window shows sooner.
    if (m_picture.isNull())
        m_picture = pictures::render(startPicture(), this);
    return m_picture;
}

void StartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
}

ViewActions StartView::offeredActions() const
{
    return ViewAction::SaveAs;
}

void StartView::perform(ViewAction command)
{
    if (command != ViewAction::SaveAs)
        return;
    const QString path = dialogs::saveFileName(this, QStringLiteral("Tots els fitxers (*)"), {});
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.commit()) {
        dialogs::message(this, QMessageBox::Warning,
                         QStringLiteral("No s'ha pogut desar el fitxer «%1»: %2.")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}
