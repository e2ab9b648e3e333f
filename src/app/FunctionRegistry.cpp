#include "app/FunctionRegistry.h"

namespace {

constexpr WindowKind kCommercialCatalogue{ViewKind::CommercialCatalogue, false};
constexpr WindowKind kAdministrationCatalogue{ViewKind::AdministrationCatalogue, false};
// The document has no close button: it is the form's text, always one tab away.
constexpr WindowKind kDocumentText{ViewKind::DocumentText, false};
constexpr WindowKind kNone{};

// clang-format off
constexpr std::array<FunctionDef, kFunctionCount> kFunctions = {{
    {0, "Textos de l'empresa", "Textos de l'&empresa", "openCommercial",
     {kCommercialCatalogue, kDocumentText, kNone}, {"Edició", "Document", ""}, 2, true},
    {1, "Administració pública", "&Administració pública", "openAdministration",
     {kAdministrationCatalogue, kDocumentText, kNone}, {"Edició", "Document", ""}, 2, true},
    {2, "Vocabulari", "&Vocabulari", "openVocabulary",
     {WindowKind{ViewKind::VocabularyCastilian, false}, WindowKind{ViewKind::VocabularyCatalan, false}, kNone},
     {"Castellà - Català", "Català - Castellà", ""}, 2, true},
    {3, "Abreviatures", "A&breviatures", "openAbbreviations",
     {WindowKind{ViewKind::Abbreviations, false}, WindowKind{ViewKind::Symbols, true}, kNone},
     {"Abreviatures", "Símbols i sigles", ""}, 2, true},
    {4, "Tractaments protocol·laris", "&Tractaments protocol·laris", "openTreatments",
     {WindowKind{ViewKind::Treatments, true}, kNone, kNone}, {"", "", ""}, 1, false},
    {5, "Índex de municipis i comarques", "&Índex de municipis i comarques", "openMunicipalities",
     {WindowKind{ViewKind::Municipalities, true}, WindowKind{ViewKind::Comarques, true}, kNone},
     {"Municipis", "Comarques", ""}, 2, true},
    {6, "Numerals", "&Numerals", "openNumerals",
     {WindowKind{ViewKind::Numerals, true}, kNone, kNone}, {"", "", ""}, 1, false},
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
