#pragma once
// How the person who applies is to be notified. Legal entities must deal with the administration
// by electronic means, so an application made for one offers no paper notification.

#include "forms/FormDescription.h"
#include "models/FieldSource.h"

#include <array>
#include <optional>
#include <span>
#include <string>
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

// A form's fields as its document reads them: when the represented party's NIF is a legal
// entity's, the notifications go by electronic means whatever the choice list holds. Everything
// else is the form's own fields. The window and the command line merge through this alike.
class NotificationRule : public plecta::FieldSource
{
public:
    NotificationRule(const FormDef &form, const plecta::FieldSource &fields);

    bool hasField(int id) const override { return m_fields.hasField(id); }
    bool isLive(int id) const override { return m_fields.isLive(id); }
    plecta::FieldKind kind(int id) const override;
    std::string text(int id) const override;
    std::optional<int> selectedItem(int id) const override { return m_fields.selectedItem(id); }
    std::string itemText(int id, int index) const override { return m_fields.itemText(id, index); }
    int rowCount(int id) const override { return m_fields.rowCount(id); }
    std::string cellText(int id, int row, int column) const override { return m_fields.cellText(id, row, column); }

private:
    bool overridden(int id) const;

    const plecta::FieldSource &m_fields;
    int m_notification = 0; // the choice list of the means, 0: the form has none
    int m_represented = 0;  // the represented party's NIF, 0: the form has none
};

} // namespace forms
