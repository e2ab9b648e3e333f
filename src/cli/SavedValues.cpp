#include "cli/SavedValues.h"

#include "cli/Commands.h"
#include "text/Cp1252.h"
#include "text/InputGate.h"

#include <cstdio>

namespace cli {
namespace {

// The name a saved form keeps a field under.
std::string fieldKey(const forms::Item &item)
{
    return std::string(item.name);
}

std::string isoDate(std::chrono::year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

// A text box's text as the user typed it: UTF-8 with "\n" line ends.
std::string typedText(std::string_view cp1252Text)
{
    std::string out;
    for (std::size_t i = 0; i < cp1252Text.size(); ++i) {
        if (cp1252Text[i] == '\r' && i + 1 < cp1252Text.size() && cp1252Text[i + 1] == '\n')
            continue;
        out += cp1252Text[i];
    }
    return cp1252::toUtf8(out);
}

} // namespace

forms::SavedForm DocumentFill::saved() const
{
    forms::SavedForm saved;
    saved.kindName = m_kind.entry->name;
    saved.kindNumber = m_kind.entry->formId;
    if (m_state.isCertificate())
        saved.model = m_state.modelA() ? "A" : "B";
    for (const forms::Item &item : m_kind.form->items) {
        if (!forms::isField(item) || item.kind == forms::ItemKind::LineList)
            continue;
        std::string value;
        if (item.kind == forms::ItemKind::DatePicker) {
            value = isoDate(m_state.date(item.id));
        } else if (const auto selected = m_state.selectedItem(item.id);
                   item.kind == forms::ItemKind::Choice && !m_state.holdsTypedText(item.id) && selected) {
            value = cp1252::toUtf8(m_state.itemText(item.id, *selected));
        } else {
            value = typedText(m_state.text(item.id));
        }
        saved.values.emplace_back(fieldKey(item), std::move(value));
    }
    if (const forms::LineItems *lines = m_kind.form->lineItems) {
        for (int row = 0; row < m_state.rowCount(plecta::kLineListId); ++row) {
            std::vector<std::string> cells;
            for (std::size_t column = 0; column < lines->dialogLabels.size(); ++column)
                cells.push_back(cp1252::toUtf8(m_state.cellText(plecta::kLineListId, row, int(column))));
            saved.lines.push_back(std::move(cells));
        }
    }
    return saved;
}

Problem DocumentFill::restore(const forms::SavedForm &saved, std::string_view where, std::vector<std::string> &warnings)
{
    if (!saved.model.empty()) {
        if (!m_state.isCertificate())
            return Failure{std::string(where) + ": «model» només és del certificat, no de " + kindLabel(m_kind)};
        m_state.setModelA(saved.model == "A");
    }
    for (const auto &[name, value] : saved.values) {
        // By name; a file another program wrote may give the field's number instead.
        const forms::Item *item = forms::findField(*m_kind.form, name);
        if (!item || item->kind == forms::ItemKind::LineList) {
            warnings.push_back(std::string(where) + ": el document " + kindLabel(m_kind) + " ja no té el camp «" +
                               name + "»; se'n deixa el valor");
            continue;
        }
        if (Problem problem = setCell(name, value, std::string(where) + ", camp «" + name + "»"))
            return problem;
    }
    // Top to bottom, as the file lists them. An amount the user wrote over the product in the
    // window is theirs to keep.
    for (std::size_t i = 0; i < saved.lines.size(); ++i) {
        if (Problem problem = addLineValues(saved.lines[i], std::string(where) + ", línia " + std::to_string(i + 1),
                                            AmountCheck::Free))
            return problem;
    }
    return std::nullopt;
}

Expected<forms::SavedForm> readSavedFile(const std::string &path)
{
    const auto bytes = readInput(path);
    if (!bytes)
        return bytes.failure();
    forms::SavedFormRead read = forms::readSavedForm(*bytes);
    if (!read.form)
        return Failure{path + ": " + read.error};
    return std::move(*read.form);
}

Expected<Kind> savedKind(const forms::SavedForm &saved, const std::string &path)
{
    const std::vector<Kind> kinds = allKinds();
    for (const Kind &kind : kinds) {
        if (kind.form && kind.entry->formId == saved.kindNumber)
            return kind;
    }
    for (const Kind &kind : kinds) {
        if (kind.form && kind.entry->name == saved.kindName)
            return kind;
    }
    return Failure{path + ": el document «" + saved.kindName + "» (número " + std::to_string(saved.kindNumber) +
                   ") no és cap dels que aquest programa omple"};
}

Expected<FillStart> startFill(const ParsedArgs &args, Encoding fallback)
{
    const std::string *path = args.value("--values");
    if (!path) {
        if (args.positional.empty())
            return Failure{"falta el tipus de document (o --values FITXER.plecta)"};
        auto request = kindRequest(args, fallback);
        if (!request)
            return request.failure();
        return FillStart{*request, DocumentFill(request->kind, request->date)};
    }
    const auto saved = readSavedFile(*path);
    if (!saved)
        return saved.failure();
    const auto kind = savedKind(*saved, *path);
    if (!kind)
        return kind.failure();
    if (!args.positional.empty()) {
        const auto named = findKind(args.positional.front());
        if (!named)
            return named.failure();
        if (named->entry != kind->entry)
            return Failure{*path + " és un formulari de " + kindLabel(*kind) + ", no de " + kindLabel(*named)};
    }
    const auto request = kindRequest(*kind, args, fallback);
    if (!request)
        return request.failure();
    FillStart start{*request, DocumentFill(request->kind, request->date)};
    std::vector<std::string> warnings;
    if (Problem problem = start.fill.restore(*saved, *path, warnings))
        return *problem;
    for (const std::string &warning : warnings)
        std::fprintf(stderr, "plecta-cli: avís: %s\n", textgate::escapeForTerminal(warning).c_str());
    return start;
}

} // namespace cli
