#include "reference/Municipalities.h"

#include "text/Cp1252.h"

#include <array>

namespace plecta {

std::string runningName(std::string_view storedName)
{
    const std::size_t end = storedName.find_last_not_of(' ');
    const std::string_view name = end == std::string_view::npos ? std::string_view{} : storedName.substr(0, end + 1);
    const std::size_t comma = name.rfind(", ");
    if (comma == std::string_view::npos)
        return std::string(name);
    const std::string_view base = name.substr(0, comma);
    const std::string_view article = name.substr(comma + 2);
    // Only an article moves: in "Castell d'Aro, Platja d'Aro i s'Agaró" the comma joins names.
    static constexpr std::array<std::string_view, 6> kArticles = {"el", "la", "els", "les", "l'", "es"};
    for (std::string_view known : kArticles) {
        if (cp1252::toLower(article) == known)
            return std::string(article) + (article.back() == '\'' ? "" : " ") + std::string(base);
    }
    return std::string(name);
}

} // namespace plecta
