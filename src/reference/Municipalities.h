#pragma once
// Municipality names as people write them. The table keeps the register's form, with the article
// after a comma ("Hospitalet de Llobregat, l'"); running text puts it in front
// ("l'Hospitalet de Llobregat"), in the case the register gives it ("Es Bòrdes").

#include <string>
#include <string_view>

namespace plecta {

// The running form of a stored (possibly padded) Windows-1252 name, without the padding.
std::string runningName(std::string_view storedName);

} // namespace plecta
