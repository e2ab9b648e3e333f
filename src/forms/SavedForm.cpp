#include "forms/SavedForm.h"

#include "forms/Json.h"

namespace forms {

std::string writeSavedForm(const SavedForm &form)
{
    std::string out = "{\n";
    out += "  \"format\": " + json::quote(kSavedFormFormat) + ",\n";
    out += "  \"versio\": " + std::to_string(kSavedFormVersion) + ",\n";
    out += "  \"document\": {\"nom\": " + json::quote(form.kindName) +
           ", \"numero\": " + std::to_string(form.kindNumber) + "},\n";
    if (!form.model.empty())
        out += "  \"model\": " + json::quote(form.model) + ",\n";
    out += "  \"camps\": {";
    for (std::size_t i = 0; i < form.values.size(); ++i)
        out +=
            (i ? ",\n    " : "\n    ") + json::quote(form.values[i].first) + ": " + json::quote(form.values[i].second);
    out += form.values.empty() ? "}" : "\n  }";
    if (!form.lines.empty()) {
        out += ",\n  \"linies\": [";
        for (std::size_t r = 0; r < form.lines.size(); ++r) {
            out += r ? ",\n    [" : "\n    [";
            for (std::size_t c = 0; c < form.lines[r].size(); ++c)
                out += (c ? ", " : "") + json::quote(form.lines[r][c]);
            out += "]";
        }
        out += "\n  ]";
    }
    return out + "\n}\n";
}

namespace {

struct Refused
{
    std::string message;
};

std::string at(const json::Value &value)
{
    return " (octet " + std::to_string(value.offset) + ")";
}

const json::Value &required(const json::Value &object, std::string_view key, json::Type type, std::string_view what)
{
    const json::Value *value = object.member(key);
    if (!value)
        throw Refused{"al fitxer hi falta «" + std::string(key) + "»" + at(object)};
    if (value->type != type)
        throw Refused{"«" + std::string(key) + "» hauria de ser " + std::string(what) + at(*value)};
    return *value;
}

void onlyKeys(const json::Value &object, std::initializer_list<std::string_view> keys, std::string_view where)
{
    for (const auto &[name, value] : object.members) {
        bool known = false;
        for (std::string_view key : keys)
            known = known || key == name;
        if (!known)
            throw Refused{std::string(where) + " té la clau «" + name + "», que no és del format" + at(value)};
    }
}

int wholeNumber(const json::Value &object, std::string_view key)
{
    const json::Value &value = required(object, key, json::Type::Number, "un nombre enter");
    const auto number = value.wholeNumber();
    if (!number)
        throw Refused{"«" + std::string(key) + "» hauria de ser un nombre enter" + at(value)};
    return *number;
}

SavedForm read(const json::Value &root)
{
    if (root.type != json::Type::Object)
        throw Refused{"el fitxer no és un formulari desat: hauria de ser un objecte JSON"};
    const json::Value &format = required(root, "format", json::Type::String, "un text");
    if (format.text != kSavedFormFormat)
        throw Refused{"el fitxer no és un formulari desat: el format és «" + format.text + "», no «" +
                      std::string(kSavedFormFormat) + "»"};
    const int version = wholeNumber(root, "versio");
    if (version > kSavedFormVersion)
        throw Refused{"el formulari es va desar amb la versió " + std::to_string(version) +
                      " del format, més nova que la que aquest programa llegeix (" + std::to_string(kSavedFormVersion) +
                      ")"};
    if (version < 1)
        throw Refused{"«versio» hauria de ser 1 o més" + at(*root.member("versio"))};
    onlyKeys(root, {"format", "versio", "document", "model", "camps", "linies"}, "el formulari");

    SavedForm form;
    const json::Value &document = required(root, "document", json::Type::Object, "un objecte");
    onlyKeys(document, {"nom", "numero"}, "«document»");
    form.kindName = required(document, "nom", json::Type::String, "un text").text;
    form.kindNumber = wholeNumber(document, "numero");

    if (root.member("model")) {
        form.model = required(root, "model", json::Type::String, "un text").text;
        if (form.model != "A" && form.model != "B")
            throw Refused{"«model» hauria de ser «A» o «B», no «" + form.model + "»" + at(*root.member("model"))};
    }
    for (const auto &[name, value] : required(root, "camps", json::Type::Object, "un objecte").members) {
        if (value.type != json::Type::String)
            throw Refused{"el camp «" + name + "» hauria de tenir un text" + at(value)};
        form.values.emplace_back(name, value.text);
    }
    if (root.member("linies")) {
        for (const json::Value &line : required(root, "linies", json::Type::Array, "una llista").items) {
            const std::string where = "la línia " + std::to_string(form.lines.size() + 1);
            if (line.type != json::Type::Array)
                throw Refused{where + " hauria de ser una llista de textos" + at(line)};
            std::vector<std::string> cells;
            for (const json::Value &cell : line.items) {
                if (cell.type != json::Type::String)
                    throw Refused{where + " hauria de tenir només textos" + at(cell)};
                cells.push_back(cell.text);
            }
            form.lines.push_back(std::move(cells));
        }
    }
    return form;
}

} // namespace

SavedFormRead readSavedForm(std::string_view bytes)
{
    json::ParseResult parsed = json::parse(bytes);
    if (!parsed.value)
        return {std::nullopt, std::move(parsed.error)};
    try {
        return {read(*parsed.value), {}};
    } catch (const Refused &refused) {
        return {std::nullopt, refused.message};
    }
}

} // namespace forms
