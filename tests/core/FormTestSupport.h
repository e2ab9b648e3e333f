#pragma once
// What the form tests (core and window alike) need to read the documents a form gives: texts
// written in UTF-8 here and compared in Windows-1252, documents split at their CR LF line ends.

#include "forms/FormFields.h"
#include "models/DocumentModels.h"
#include "text/Cp1252.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace formtest {

inline std::string cp(std::string_view utf8)
{
    return cp1252::fromUtf8(utf8).text;
}

// The lines of a document; the last is what follows the last CR LF ("" when it ends with one).
inline std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        out.push_back(text.substr(start, at - start));
    out.push_back(text.substr(start));
    return out;
}

// The document of a form left as it starts on `day`.
inline std::string untouched(const forms::FormDef &form, std::chrono::year_month_day day)
{
    std::string out;
    forms::generateFormText(form, forms::initialFields(form, day), out);
    return out;
}

// A model's text up to its terminating NUL.
inline std::string modelText(int id)
{
    const std::string_view bytes = plecta::findDocumentModel(id).value();
    return std::string(bytes.substr(0, bytes.find('\0')));
}

} // namespace formtest
