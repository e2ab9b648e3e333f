#include "forms/ProcedureForms.h"

#include "models/DocumentModels.h"

#include <array>

namespace forms {
namespace {

// Pressupost: who quotes, the number and date, the client, the lines, the VAT rate, how long the
// offer holds and how it is to be paid.
constexpr ListColumn kColumns[] = {{"Quantitat", 60}, {"Descripció", 150}, {"Preu unitari", 70}, {"Import", 60}};
constexpr std::string_view kDialogLabels[] = {"Quantitat", "Descripció", "Preu unitari", "Import"};
constexpr LineItems kLines{kColumns, kDialogLabels, plecta::kQuoteRowTemplate, 0, 2, 3, 1248};

// clang-format off
constexpr Item kItems[] = {
    frameBegin(),
    grid(), label("Empresa o professional"), edit(1240, "emissor", "<NOM O RAÓ SOCIAL>"), br(),
    grid(), label("NIF"), edit(1241, "nif_emissor", "<NIF>", Size::Medium), br(),
    grid(), label("Adreça"), edit(1242, "adreca_emissor", "<ADREÇA>"), br(),
    grid(), label("Telèfon"), edit(1243, "telefon_emissor", "", Size::Medium), br(),
    frameEnd(),
    gap(),
    grid(), label("Pressupost núm."), edit(1244, "numero", "<NÚMERO>", Size::Short), br(),
    grid(), label("Data"), today(1083, "data", Size::Long), br(),
    gap(),
    grid(), label("Client"), edit(1245, "client", "<NOM DEL CLIENT>"), br(),
    grid(), label("NIF del client"), edit(1246, "nif_client", "", Size::Medium), br(),
    grid(), label("Adreça del client"), edit(1247, "adreca_client", ""), br(),
    gap(),
    lineList(), br(),
    stretch(), addButton(1119), br(),
    gap(),
    grid(), label("Tipus d'IVA"), edit(1248, "tipus_iva", "21 %", Size::Short), br(),
    grid(), label("Validesa"), edit(1249, "validesa", "30 dies", Size::Short), br(),
    label("Condicions de pagament:"), br(),
    box(1250, "condicions", "<CONDICIONS DE PAGAMENT>", 3), br(),
};
// clang-format on

} // namespace

const FormDef kPressupost{"quoteForm", 198, 198, kItems, &kLines};

} // namespace forms
