#pragma once
// How the person who applies is to be notified. Legal entities must deal with the administration
// by electronic means, so an application made for one offers no paper notification.

#include <array>
#include <span>
#include <string_view>

namespace forms {

// The notification choices, the default first. Texts in UTF-8, as the form's choice items.
inline constexpr std::string_view kElectronicNotification = "per mitjans electrònics";
inline constexpr std::string_view kPaperNotification = "en paper, al domicili indicat";
inline constexpr std::array<std::string_view, 2> kNotificationChoices = {kElectronicNotification, kPaperNotification};

// Whether a NIF (Windows-1252 or ASCII, spaces and letter case aside) is a legal entity's: it
// begins with a letter other than K, L, M (individuals' NIFs) and X, Y, Z (foreigners' NIEs).
bool isLegalEntityNif(std::string_view nif);

// The notification choices open to the party with this NIF (empty: a person who gave none).
std::span<const std::string_view> notificationChoices(std::string_view representedNif);

} // namespace forms
