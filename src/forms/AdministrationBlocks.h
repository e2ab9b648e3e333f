#pragma once
// The blocks every document to a public body shares: the applicant block opens it, the closing
// block (notification means, place and date, signature, addressee) ends it.
#include "forms/FormDescription.h"
#include "forms/Notifications.h"

#include <array>
#include <string_view>

namespace forms::admin {

// The layouts below are written one form line to a source line, as the form reads.
// clang-format off

// The applicant block: the opening sentence of the document, "<name>, major d'edat, amb DNI/NIE
// núm. <number>, amb domicili a <municipality> (<comarca>), <address>, CP <postcode>, telèfon
// <phone>," and, when someone is represented, "en representació de <name>, amb DNI/NIE/NIF núm.
// <number>,". The boxes of the represented party start empty: the models leave the clause out.
constexpr int kName = 1042, kMunicipality = 1047, kComarca = 1048, kAddress = 1044, kPostcode = 1049,
              kPhone = 1001, kIdCard = 1050, kRepresented = 1140, kRepresentedNif = 1141;

inline constexpr std::array kApplicantItems = {
    edit(kName, "nom", "<NOM i COGNOMS>", Size::Long), label(", major d'edat, amb DNI/NIE núm."), edit(kIdCard, "dni", "<DNI/NIE>"), br(),
    label("amb domicili a"), edit(kMunicipality, "municipi", "<MUNICIPI>", Size::Long), label("("), edit(kComarca, "comarca", "<COMARCA>"), label("),"), br(),
    edit(kAddress, "adreca", "<ADREÇA>"), label(", CP"), edit(kPostcode, "codi_postal", "<CODI>", Size::Short), label(", telèfon"), edit(kPhone, "telefon", "<TELÈFON>", Size::Medium), label(","), br(),
    label("en representació de"), edit(kRepresented, "representat", ""), label(", amb DNI/NIE/NIF núm."), edit(kRepresentedNif, "nif_representat", "", Size::Medium), label(","), br(),
    gap(),
};

// The closing block: how to be notified (by electronic means unless the applicant chooses paper),
// place and date of signing on one line, the signature, the addressee with its code in the common
// directory of units (DIR3), which may be left out.
constexpr int kPlace = 1052, kSigningDate = 1083, kAddressee = 1054, kNotification = 1142, kEmail = 1143,
              kDir3 = 1144;

constexpr auto closingItems(int addresseeId, std::string_view addressee = "<DESTINACIÓ>",
                            std::string_view signature = "(signatura)")
{
    return std::array{
        gap(),
        label("Vull rebre les notificacions"), choice(kNotification, "mitja_notificacio", kNotificationChoices, false, kElectronicNotification), stretch(), br(),
        label(", i l'avís de cada notificació a l'adreça electrònica"), edit(kEmail, "correu", ""), label("."), br(),
        gap(),
        edit(kPlace, "lloc", "<MUNICIPI>", Size::Medium), datePicker(kSigningDate, "data"), stretch(), br(),
        gap(),
        label(signature), br(),
        gap(),
        edit(addresseeId, "destinacio", addressee, Size::Long), label("(codi DIR3:"), edit(kDir3, "dir3", "", Size::Short), label(")"), br(),
    };
}

inline constexpr auto kClosingItems = closingItems(kAddressee);

// clang-format on

} // namespace forms::admin
