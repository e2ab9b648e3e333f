#include "models/DocumentModels.h"

#include <algorithm>

namespace plecta {

namespace {

const DocumentModel *findModel(int id)
{
    const auto models = documentModels();
    const auto it = std::lower_bound(models.begin(), models.end(), id,
                                     [](const DocumentModel &m, int wanted) { return m.id < wanted; });
    return it == models.end() || it->id != id ? nullptr : &*it;
}

} // namespace

std::optional<std::string_view> findDocumentModel(int id)
{
    const DocumentModel *model = findModel(id);
    return model ? std::optional(model->bytes) : std::nullopt;
}

std::optional<std::string_view> findDocumentModelMarkup(int id)
{
    const DocumentModel *model = findModel(id);
    if (!model)
        return std::nullopt;
    return model->markup.empty() ? model->bytes : model->markup;
}

} // namespace plecta
