#include "forms/CommercialForms.h"

#include "models/DocumentModels.h"

namespace forms {
namespace {

// The layouts are kept one line of the form to a line of source, out of the formatter's reach.

// Albarà --------------------------------------------------------------------------------------

constexpr ListColumn kAlbaraColumns[] = {{"Quantitat", 90}, {"Concepte", 130}, {"Preu unitari", 70}, {"Total", 50}};
constexpr std::string_view kAlbaraLabels[] = {"Quantitat", "Concepte", "Preu unitari", "Total"};
constexpr LineItems kAlbaraLines{kAlbaraColumns, kAlbaraLabels, plecta::kDeliveryNoteRowTemplate, 0, 2, 3};

// clang-format off
constexpr Item kAlbaraItems[] = {
    frameBegin(),
    edit(1115, "rao_social", "<RAÓ SOCIAL>"), br(),
    edit(1046, "adreca_client", "<ADREÇA DEL CLIENT>"), br(),
    edit(1116, "nif", "<NIF>", Size::Medium), stretch(), br(),
    frameEnd(),
    stretch(), today(1083, "data", Size::Long), br(),
    gap(),
    grid(), label("Lliurament"), edit(1117, "nom_lliurament", "<NOM DEL CLIENT>"), br(),
    grid(), label("Adreça"), edit(1044, "adreca_lliurament", "<ADREÇA>"), br(),
    grid(), label("NIF"), edit(1118, "nif_lliurament", "<NIF>", Size::Medium), br(),
    gap(),
    lineList(), br(),
    stretch(), addButton(1119), br(),
};
// clang-format on

// Comanda -------------------------------------------------------------------------------------

constexpr ListColumn kComandaColumns[] = {
    {"Referència", 70}, {"Descripció", 130}, {"Quant.", 70}, {"Preu unit.", 50}, {"Import", 50}};
constexpr std::string_view kComandaLabels[] = {"Referència", "Descripció", "Quant.", "Preu unit.", "Import"};
constexpr LineItems kComandaLines{kComandaColumns, kComandaLabels, plecta::kOrderRowTemplate, 2, 3, 4, 1124};

// The rates in force (the general one since 2012), with the space Catalan puts before "%".
constexpr std::string_view kVatRates[] = {"21 %", "10 %", "4 %", "exempt"};

// clang-format off
constexpr Item kComandaItems[] = {
    frameBegin(),
    grid(), label("Nom del client"), edit(1120, "client", "<NOM DEL CLIENT>"), br(),
    grid(), label("Comanda núm."), edit(1121, "numero", "0", Size::Short), br(),
    grid(), label("Data"), today(1083, "data", Size::Long), br(),
    frameEnd(),
    gap(),
    grid(), label("Adreça"), edit(1046, "adreca", "<ADREÇA DEL CLIENT>"), br(),
    grid(), label("Municipi"), edit(1047, "municipi", "<MUNICIPI DEL CLIENT>"), br(),
    grid(), label("Telèfon:"), edit(1123, "telefon", "<TELÈFON>", Size::Medium), br(),
    grid(), label("Tipus d'IVA"), choice(1124, "iva", kVatRates, true, "21 %"), br(),
    grid(), label("NIF"), edit(1116, "nif", "<NIF>", Size::Medium), br(),
    gap(),
    lineList(), br(),
    stretch(), addButton(1119), br(),
};
// clang-format on

} // namespace

const FormDef kAlbara{"deliveryNoteForm", 179, 179, kAlbaraItems, &kAlbaraLines};
const FormDef kComanda{"orderForm", 181, 182, kComandaItems, &kComandaLines};

} // namespace forms
