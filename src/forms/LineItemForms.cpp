#include "forms/CommercialForms.h"

#include "models/DocumentModels.h"

namespace forms {
namespace {

// The layouts are kept one line of the form to a line of source, out of the formatter's reach.

// Albarà --------------------------------------------------------------------------------------

constexpr ListColumn kAlbaraColumns[] = {{"Quantitat", 90}, {"Concepte", 130}, {"Preu unitari", 70}, {"Total", 50}};
constexpr std::string_view kAlbaraLabels[] = {"Quantitat", "Concepte", "Preu Unitari", "Total"};
constexpr LineItems kAlbaraLines{kAlbaraColumns, kAlbaraLabels, plecta::kDeliveryNoteRowTemplate, 0, 2, 3};

// clang-format off
constexpr Item kAlbaraItems[] = {
    frameBegin(),
    edit(1115, "<RAÓ SOCIAL>"), br(),
    edit(1046, "<ADREÇA DEL CLIENT>"), br(),
    edit(1116, "<NIF>", Size::Medium), stretch(), br(),
    frameEnd(),
    stretch(), today(1083, Size::Long), br(),
    gap(),
    grid(), label("Lliurament"), edit(1117, "<NOM DEL CLIENT>"), br(),
    grid(), label("Adreça"), edit(1044, "<ADREÇA>"), br(),
    grid(), label("NIF"), edit(1118, "<NIF>", Size::Medium), br(),
    gap(),
    lineList(), br(),
    stretch(), addButton(1119), br(),
};
// clang-format on

constexpr PlaceholderEntry kAlbaraPlaceholders[] = {
    {"%field1%", 1115}, {"%field2%", 1046}, {"%field3%", 1116}, {"%field4%", 1083},
    {"%field5%", 1117}, {"%field6%", 1044}, {"%field7%", 1118},
};

// Comanda -------------------------------------------------------------------------------------

constexpr ListColumn kComandaColumns[] = {
    {"Referència", 70}, {"Descripció", 130}, {"Quant.", 70}, {"Preu unit.", 50}, {"Import", 50}};
constexpr std::string_view kComandaLabels[] = {"Referència", "Descripció", "Quant.", "Preu unit.", "Import"};
constexpr LineItems kComandaLines{kComandaColumns, kComandaLabels, plecta::kOrderRowTemplate, 2, 3, 4, 1124};

// clang-format off
constexpr Item kComandaItems[] = {
    frameBegin(),
    grid(), label("Nom del client"), edit(1120, "<NOM DEL CLIENT>"), br(),
    grid(), label("Comanda núm."), edit(1121, "0", Size::Short), br(),
    grid(), label("Data"), today(1083, Size::Long), br(),
    frameEnd(),
    gap(),
    grid(), label("Adreça"), edit(1046, "<ADREÇA DEL CLIENT>"), br(),
    grid(), label("Municipi"), edit(1047, "<MUNICIPI DEL CLIENT>"), br(),
    grid(), label("Telèfon:"), edit(1123, "<TELÈFON>", Size::Medium), br(),
    grid(), label("Règim d'IVA"), edit(1124, "16%", Size::Short), br(),
    grid(), label("NIF"), edit(1116, "<NIF>", Size::Medium), br(),
    gap(),
    lineList(), br(),
    stretch(), addButton(1119), br(),
};
// clang-format on

constexpr PlaceholderEntry kComandaPlaceholders[] = {
    {"%field1%", 1120}, {"%field2%", 1121}, {"%field3%", 1083}, {"%field4%", 1046},
    {"%field5%", 1047}, {"%field6%", 1123}, {"%field7%", 1124}, {"%field8%", 1116},
};

} // namespace

const FormDef kAlbara{"CTCViewAlbara", 179, 179, 320, kAlbaraItems, kAlbaraPlaceholders, &kAlbaraLines};
const FormDef kComanda{"CTCViewComanda", 181, 182, 340, kComandaItems, kComandaPlaceholders, &kComandaLines};

} // namespace forms
