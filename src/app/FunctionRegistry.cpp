#include "app/FunctionRegistry.h"

#include "app/Commands.h"

namespace {

constexpr WindowKind kCommercialCatalogue{ViewKind::CommercialCatalogue, false};
constexpr WindowKind kAdministrationCatalogue{ViewKind::AdministrationCatalogue, false};
constexpr WindowKind kDocumentText{ViewKind::DocumentText, true};
constexpr WindowKind kNone{};

// clang-format off
constexpr std::array<FunctionDef, kFunctionCount> kFunctions = {{
    {0, "Textos de l'empresa", cmd::OpenCommercial,
     {kCommercialCatalogue, kDocumentText, kNone}, {"Edició", "Document", ""}, 2, true, false},
    {1, "Administració Pública", cmd::OpenAdministration,
     {kAdministrationCatalogue, kDocumentText, kNone}, {"Edició", "Document", ""}, 2, true, false},
    {2, "Vocabulari", cmd::OpenVocabulary,
     {WindowKind{ViewKind::VocabularyCastilian, false}, WindowKind{ViewKind::VocabularyCatalan, false},
      WindowKind{ViewKind::Numerals, true}},
     {"Castellà - Català", "Català - Castellà", "Numerals"}, 3, true, true},
    {3, "Abreviacions", cmd::OpenAbbreviations,
     {WindowKind{ViewKind::Abbreviations, false}, WindowKind{ViewKind::Symbols, true}, kNone},
     {"Abreviatures", "Símbols i sigles", ""}, 2, true, false},
    {4, "Tractaments protocol·laris", cmd::OpenTreatments,
     {WindowKind{ViewKind::Treatments, true}, kNone, kNone}, {"", "", ""}, 1, false, false},
    {5, "Índex de municipis i comarques", cmd::OpenMunicipalities,
     {WindowKind{ViewKind::Municipalities, true}, WindowKind{ViewKind::Comarques, true}, kNone},
     {"Municipis", "Comarques", ""}, 2, true, false},
}};
// clang-format on

} // namespace

const WindowKind kStartWindowKind{ViewKind::Start, false};

std::string_view viewName(ViewKind view)
{
    switch (view) {
    case ViewKind::Start: return "startView";
    case ViewKind::CommercialCatalogue: return "commercialCatalogue";
    case ViewKind::AdministrationCatalogue: return "administrationCatalogue";
    case ViewKind::DocumentText: return "documentText";
    case ViewKind::VocabularyCastilian: return "vocabularyList";
    case ViewKind::VocabularyCatalan: return "vocabularyList2";
    case ViewKind::Numerals: return "numeralsForm";
    case ViewKind::Abbreviations: return "abbreviationsList";
    case ViewKind::Symbols: return "symbolsList";
    case ViewKind::Treatments: return "treatmentsText";
    case ViewKind::Municipalities: return "municipalitiesList";
    case ViewKind::Comarques: return "comarquesList";
    }
    return {};
}

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
