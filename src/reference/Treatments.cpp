#include "reference/Treatments.h"

#include "models/DocumentModels.h"

#include <algorithm>
#include <span>

namespace plecta {
// Generated from resources/treatments by the document models' generator.
std::span<const DocumentModel> textResources();
} // namespace plecta

namespace treatments {

std::optional<std::string_view> findTextResource(int id)
{
    const auto texts = plecta::textResources();
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [id](const plecta::DocumentModel &text) { return text.id == id; });
    if (it == texts.end())
        return std::nullopt;
    return it->bytes;
}

std::string_view treatmentsText()
{
    const std::optional<std::string_view> bytes = findTextResource(kTextId);
    if (!bytes)
        return {};
    return bytes->substr(0, bytes->find('\0'));
}

} // namespace treatments
