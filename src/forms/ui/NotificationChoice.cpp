#include "forms/ui/NotificationChoice.h"

#include "forms/Notifications.h"
#include "forms/ui/FormView.h"
#include "text/ui/QtText.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

void NotificationChoice::attach(FormView *view)
{
    const forms::FormDef *form = view->description();
    if (!form)
        return;
    const forms::Item *means = forms::findField(*form, "mitja_notificacio");
    const forms::Item *nif = forms::findField(*form, "nif_representat");
    auto *list = means ? qobject_cast<QComboBox *>(view->fieldWidget(means->id)) : nullptr;
    auto *edit = nif ? qobject_cast<QLineEdit *>(view->fieldWidget(nif->id)) : nullptr;
    if (list && edit)
        new NotificationChoice(list, edit);
}

NotificationChoice::NotificationChoice(QComboBox *means, QLineEdit *nif) : QObject(means), m_means(means), m_nif(nif)
{
    connect(nif, &QLineEdit::textChanged, this, &NotificationChoice::update);
    update();
}

void NotificationChoice::update()
{
    const bool entity = forms::isLegalEntityNif(qttext::toCp1252(m_nif->text()));
    const QString paper = qttext::fromUtf8(forms::kPaperNotification);
    const int paperIndex = m_means->findText(paper);
    if (entity && paperIndex >= 0) {
        m_means->removeItem(paperIndex);
        m_means->setCurrentIndex(m_means->findText(qttext::fromUtf8(forms::kElectronicNotification)));
    } else if (!entity && paperIndex < 0) {
        // Back where the sorted list has it, the choice made left as it is.
        const QString chosen = m_means->currentText();
        const std::vector<std::string_view> sorted = forms::sortedChoices(forms::kNotificationChoices);
        const auto at = std::find(sorted.begin(), sorted.end(), forms::kPaperNotification) - sorted.begin();
        m_means->insertItem(int(at), paper);
        m_means->setCurrentIndex(m_means->findText(chosen));
    }
    m_means->setToolTip(entity ? QStringLiteral("Les persones jurídiques i les entitats sense personalitat jurídica "
                                                "estan obligades a relacionar-se amb les administracions públiques "
                                                "per mitjans electrònics (article 14.2 de la Llei 39/2015).")
                               : QString());
}
