#include "cli/DocumentFill.h"

#include "cli/Commands.h"
#include "cli/TextInput.h"
#include "forms/Certificate.h"
#include "forms/CommercialForms.h"
#include "forms/FormFields.h"
#include "models/DateText.h"
#include "text/Cp1252.h"

#include <charconv>

namespace cli {
namespace {

bool digits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string joinChoices(const std::vector<std::string> &items)
{
    std::string out;
    for (const std::string &item : items)
        out += (out.empty() ? "«" : ", «") + cp1252::toUtf8(item) + "»";
    return out;
}

} // namespace

Expected<KindRequest> kindRequest(const ParsedArgs &args, Encoding fallback)
{
    const auto kind = findKind(args.positional.front());
    if (!kind)
        return kind.failure();
    return kindRequest(*kind, args, fallback);
}

Expected<KindRequest> kindRequest(const Kind &kind, const ParsedArgs &args, Encoding fallback)
{
    const auto date = dateOption(args);
    if (!date)
        return date.failure();
    const auto encoding = encodingOption(args, fallback);
    if (!encoding)
        return encoding.failure();
    return KindRequest{kind, *date, *encoding};
}

Expected<std::chrono::year_month_day> parseDate(std::string_view text, std::string_view where)
{
    const auto bad = Failure{std::string(where) + ": «" + std::string(text) + "» no és una data AAAA-MM-DD"};
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits(text.substr(0, 4)) ||
        !digits(text.substr(5, 2)) || !digits(text.substr(8, 2)))
        return bad;
    int y = 0;
    unsigned m = 0, d = 0;
    std::from_chars(text.data(), text.data() + 4, y);
    std::from_chars(text.data() + 5, text.data() + 7, m);
    std::from_chars(text.data() + 8, text.data() + 10, d);
    const std::chrono::year_month_day date{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
    if (!date.ok())
        return bad;
    return date;
}

Expected<Assignment> parseAssignment(std::string_view text, std::string_view option)
{
    const auto equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0)
        return Failure{std::string(option) + " espera CAMP=VALOR, no «" + std::string(text) + "»"};
    return Assignment{std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
}

DocumentFill::DocumentFill(const Kind &kind, std::chrono::year_month_day date) : m_kind(kind), m_state(*kind.form, date)
{}

Expected<const forms::Item *> DocumentFill::field(std::string_view id, std::string_view where) const
{
    const std::string help = " (vegeu plecta-cli fields " + std::to_string(m_kind.entry->formId) + ")";
    if (const forms::Item *item = forms::findField(*m_kind.form, id))
        return item;
    return Failure{std::string(where) + ": el document " + kindLabel(m_kind) + " no té el camp " + std::string(id) +
                   help};
}

namespace {

// "\n" as a line break and "\\" as a backslash; any other backslash stays as it is.
std::string unescapeLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[++i] == 'n' ? '\n' : '\\';
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace

Problem DocumentFill::setText(std::string_view id, std::string_view utf8, std::string_view where, bool escapes)
{
    const auto item = field(id, where);
    if (!item)
        return item.failure();
    switch ((*item)->kind) {
    case forms::ItemKind::Edit:
    case forms::ItemKind::Box:
    case forms::ItemKind::Today: {
        const bool severalLines = forms::takesSeveralLines(**item);
        const std::string unescaped = severalLines && escapes ? unescapeLineBreaks(utf8) : std::string(utf8);
        auto text = gateText(unescaped, where, forms::inputRules(**item));
        if (!text)
            return text.failure();
        m_state.setText((*item)->id, std::move(*text));
        return std::nullopt;
    }
    case forms::ItemKind::DatePicker: {
        const auto date = parseDate(utf8, where);
        if (!date)
            return date.failure();
        m_state.setDate((*item)->id, *date);
        return std::nullopt;
    }
    case forms::ItemKind::Choice:
        if ((*item)->editable)
            return typeIntoList(**item, utf8, where);
        return Failure{std::string(where) + ": el camp " + std::string(id) +
                       " és una llista; trieu-ne un element amb --choose"};
    default:
        return Failure{std::string(where) + ": el camp " + std::string(id) +
                       " és la llista de línies; afegiu-hi línies amb --line"};
    }
}

Problem DocumentFill::choose(std::string_view id, std::string_view itemUtf8, std::string_view where)
{
    const auto item = field(id, where);
    if (!item)
        return item.failure();
    if ((*item)->kind != forms::ItemKind::Choice)
        return Failure{std::string(where) + ": el camp " + std::string(id) + " no és una llista"};
    auto wanted = gateText(itemUtf8, where);
    if (!wanted)
        return wanted.failure();
    const std::optional<int> match = m_state.findChoice((*item)->id, *wanted);
    if (!match)
        return Failure{std::string(where) + ": la llista " + std::string(id) + " no té «" + std::string(itemUtf8) +
                       "»; té " + joinChoices(m_state.choices((*item)->id))};
    m_state.select((*item)->id, match);
    return std::nullopt;
}

Problem DocumentFill::typeIntoList(const forms::Item &item, std::string_view utf8, std::string_view where)
{
    auto text = gateText(utf8, where);
    if (!text)
        return text.failure();
    m_state.type(item.id, std::move(*text));
    return std::nullopt;
}

Problem DocumentFill::setCell(std::string_view id, std::string_view utf8, std::string_view where)
{
    const auto item = field(id, where);
    if (!item)
        return item.failure();
    const forms::ItemKind kind = (*item)->kind;
    if (kind == forms::ItemKind::LineList)
        return Failure{std::string(where) + ": les línies no es donen al CSV; afegiu-les amb --line"};
    if (utf8.empty() && (kind == forms::ItemKind::Choice || kind == forms::ItemKind::DatePicker))
        return std::nullopt;
    if (kind == forms::ItemKind::Choice)
        return (*item)->editable ? typeIntoList(**item, utf8, where) : choose(id, utf8, where);
    return setText(id, utf8, where);
}

Problem DocumentFill::addLine(std::string_view valuesUtf8, std::string_view where)
{
    std::vector<std::string> values;
    std::size_t start = 0;
    for (;;) {
        const auto bar = valuesUtf8.find('|', start);
        values.emplace_back(valuesUtf8.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    return addLineValues(std::move(values), where);
}

Problem DocumentFill::addLineValues(std::vector<std::string> valuesUtf8, std::string_view where, AmountCheck amount)
{
    const forms::LineItems *lines = m_kind.form->lineItems;
    if (!lines)
        return Failure{std::string(where) + ": el document " + kindLabel(m_kind) + " no té línies"};

    std::vector<std::string> values;
    for (const std::string &value : valuesUtf8) {
        auto text = gateText(value, std::string(where) + ", valor " + std::to_string(values.size() + 1));
        if (!text)
            return text.failure();
        values.push_back(std::move(*text));
    }
    const std::size_t columns = lines->dialogLabels.size();
    // The amount may be left out: it is quantity × price.
    const bool amountLast = lines->amountColumn == int(columns) - 1;
    if (amountLast && values.size() + 1 == columns)
        values.emplace_back();
    if (values.size() != columns) {
        std::string names;
        for (std::string_view label : lines->dialogLabels)
            names += (names.empty() ? "" : "|") + std::string(label);
        return Failure{std::string(where) + ": " + std::to_string(values.size()) + " valors; les línies de " +
                       kindLabel(m_kind) + " en tenen " + std::to_string(columns) + " (" + names + ")"};
    }
    const plecta::LineCheck check =
        plecta::checkLine(forms::lineTable(*lines), values, amount == AmountCheck::MustAgree);
    if (check.problem)
        return Failure{std::string(where) + ": " + cp1252::toUtf8(*check.problem)};
    // Lines keep the order in which they are given.
    m_state.addLine(std::move(values));
    return std::nullopt;
}

Problem DocumentFill::setModel(std::string_view letter)
{
    if (!m_state.isCertificate())
        return Failure{"--model: només el certificat té dos models, no " + kindLabel(m_kind)};
    if (letter != "A" && letter != "a" && letter != "B" && letter != "b")
        return Failure{"--model: «" + std::string(letter) + "» no és cap model (A o B)"};
    m_state.setModelA(letter == "A" || letter == "a");
    return std::nullopt;
}

Problem DocumentFill::check() const
{
    const forms::Item *item = m_state.textForTheOtherModel();
    if (!item)
        return std::nullopt;
    const bool modelA = m_state.modelA();
    return Failure{"el camp " + std::string(item->name) + " (" + std::to_string(item->id) +
                   ") és de la frase final del Model " + (modelA ? "B" : "A") + ", que no s'omple amb el Model " +
                   (modelA ? "A" : "B") + " (trieu-lo amb --model)"};
}

plecta::MergedDocument DocumentFill::merged(bool typeset) const
{
    plecta::MergedDocument document{text(), {}};
    if (typeset)
        document.structure = m_state.structure();
    return document;
}

std::string DocumentFill::text() const
{
    return m_state.document();
}

} // namespace cli
