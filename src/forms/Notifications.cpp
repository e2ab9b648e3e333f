#include "forms/Notifications.h"

#include "text/Cp1252.h"

namespace forms {

bool isLegalEntityNif(std::string_view nif)
{
    const std::size_t first = nif.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    char letter = nif[first];
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z')
        return false;
    return std::string_view("KLMXYZ").find(letter) == std::string_view::npos;
}

std::span<const std::string_view> notificationChoices(std::string_view representedNif)
{
    if (isLegalEntityNif(representedNif))
        return std::span(kNotificationChoices).first(1);
    return kNotificationChoices;
}

NotificationRule::NotificationRule(const FormDef &form, const plecta::FieldSource &fields) : m_fields(fields)
{
    for (const Item &item : form.items) {
        if (item.name == "mitja_notificacio")
            m_notification = item.id;
        else if (item.name == "nif_representat")
            m_represented = item.id;
    }
}

bool NotificationRule::overridden(int id) const
{
    return id != 0 && id == m_notification && m_represented != 0 && m_fields.hasField(m_represented) &&
           isLegalEntityNif(m_fields.text(m_represented));
}

plecta::FieldKind NotificationRule::kind(int id) const
{
    return overridden(id) ? plecta::FieldKind::FixedText : m_fields.kind(id);
}

std::string NotificationRule::text(int id) const
{
    return overridden(id) ? cp1252::fromUtf8(kElectronicNotification).text : m_fields.text(id);
}

} // namespace forms
