#include "forms/ModelLeadIn.h"

#include "models/DocumentModels.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace forms {

std::string modelLeadIn(const FormDef &form, std::string_view fieldName)
{
    const std::optional<std::string_view> model = plecta::findDocumentModel(form.modelId);
    if (!model || fieldName.empty())
        return {};
    const std::string placeholder = '%' + std::string(fieldName) + '%';
    const std::size_t at = model->find(placeholder);
    if (at == std::string_view::npos)
        return {};
    const std::size_t lineStart = model->rfind('\n', at) == std::string_view::npos ? 0 : model->rfind('\n', at) + 1;
    std::string_view before = model->substr(lineStart, at - lineStart);
    before.remove_prefix(std::min(before.size(), before.find_first_not_of(" \t")));
    while (!before.empty() && (before.back() == ' ' || before.back() == '\t'))
        before.remove_suffix(1);
    // Words only: another placeholder, markup or a sentence is the model's text, not a lead-in.
    const auto words = std::count(before.begin(), before.end(), ' ') + 1;
    if (before.empty() || words > 3 || before.find_first_of("%{}:,") != std::string_view::npos)
        return {};
    return cp1252::toUtf8(before);
}

} // namespace forms
