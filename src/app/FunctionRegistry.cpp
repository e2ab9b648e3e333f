#include "app/FunctionRegistry.h"

#include "app/Commands.h"

namespace {

constexpr WindowKind kCommercialCatalogue{"CTCChildFrame", "CTCView", "CQueltDoc", false};
constexpr WindowKind kAdministrationCatalogue{"CAPChildFrame", "CTCView", "CQueltDoc", false};
constexpr WindowKind kDocumentText{"CPVFrame", "CPVView", "CPVDoc", true};
constexpr WindowKind kNone{};

constexpr std::array<FunctionDef, kFunctionCount> kFunctions = {{
    {0, "Textos de l'empresa", cmd::OpenCommercial, "Textos comercials",
     {kCommercialCatalogue, kDocumentText, kNone}, {"Edició", "Document", ""}, 2, true, false},
    {1, "Administració Pública", cmd::OpenAdministration, "&Administració pública",
     {kAdministrationCatalogue, kDocumentText, kNone}, {"Edició", "Document", ""}, 2, true, false},
    {2, "Vocabulari", cmd::OpenVocabulary, "&Vocabulari",
     {WindowKind{"CVocFrame", "CVocView", "CVocDoc", false}, WindowKind{"CVocFrame", "CVocView2", "CVocDoc", false},
      WindowKind{"CNumFrame", "CNumView", "CNumDoc", true}},
     {"Castellà - Català", "Català - Castellà", "Numerals"}, 3, true, true},
    {3, "Abreviacions", cmd::OpenAbbreviations, "A&breviacions",
     {WindowKind{"CAbrFrame", "CAbrView", "CAbrDoc", false}, WindowKind{"CSimFrame", "CSimView", "CSimDoc", true}, kNone},
     {"Abreviatures", "Símbols i sigles", ""}, 2, true, false},
    {4, "Tractaments protocol·laris", cmd::OpenTreatments, "&Tractaments protocol·laris",
     {WindowKind{"CTracFrame", "CTracView", "CTracDoc", true}, kNone, kNone}, {"", "", ""}, 1, false, false},
    {5, "Índex de municipis i comarques", cmd::OpenMunicipalities, "&Índex de municipis i comarques",
     {WindowKind{"CMuniFrame", "CMuniView", "CMuniDoc", true}, WindowKind{"CComFrame", "CComView", "CComDoc", true}, kNone},
     {"Municipis", "Comarques", ""}, 2, true, false},
}};

} // namespace

const WindowKind kStartWindowKind{"CChildFrame", "CQueltView", "CQueltDoc", false};

std::span<const FunctionDef, kFunctionCount> functionRegistry()
{
    return kFunctions;
}

const FunctionDef *functionAt(int position)
{
    if (position < 0 || position >= static_cast<int>(kFunctionCount))
        return nullptr;
    return &kFunctions[static_cast<std::size_t>(position)];
}

const FunctionDef *functionForCommand(int command)
{
    for (const auto &function : kFunctions) {
        if (function.menuCommand == command)
            return &function;
    }
    return nullptr;
}
