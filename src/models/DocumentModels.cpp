#include "models/DocumentModels.h"

#include <algorithm>

namespace plecta {

std::optional<std::string_view> findDocumentModel(int id)
{
    const auto models = documentModels();
    const auto it = std::lower_bound(models.begin(), models.end(), id,
                                     [](const DocumentModel &m, int wanted) { return m.id < wanted; });
    if (it == models.end() || it->id != id)
        return std::nullopt;
    return it->bytes;
}

} // namespace plecta
