#include "forms/Notifications.h"

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

} // namespace forms
