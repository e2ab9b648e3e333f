#include "cli/Commands.h"
#include "cli/DocumentFill.h"

#include "forms/FormFields.h"
#include "text/Cp1252.h"

#include <vector>

namespace cli {
namespace {

constexpr OptionSpec kKindsOptions[] = {
    {"--encoding", "", true, false},
};

constexpr OptionSpec kFieldsOptions[] = {
    {"--date", "", true, false},
    {"--encoding", "", true, false},
};

Expected<int> runKinds(const ParsedArgs &args)
{
    const auto encoding = encodingOption(args, Encoding::Utf8);
    if (!encoding)
        return encoding.failure();
    std::string out;
    for (const Kind &kind : allKinds()) {
        out += std::to_string(kind.entry->formId) + "\t" + std::string(kind.entry->name) + "\t" +
               std::string(kind.catalogue) + "\t" + std::string(kind.group);
        if (!kind.form)
            out += "\tsense formulari";
        out += "\n";
    }
    // The catalogue texts are UTF-8 in the program's source.
    if (Problem problem = writeOut(*encoding == Encoding::Utf8 ? out : cp1252::fromUtf8(out).text))
        return *problem;
    return kExitOk;
}

std::string_view fieldKind(const forms::Item &item)
{
    switch (item.kind) {
    case forms::ItemKind::Edit:
    case forms::ItemKind::Box: return "text";
    case forms::ItemKind::Today: return "data";
    case forms::ItemKind::DatePicker: return "selector de data";
    case forms::ItemKind::Choice: return item.editable ? "llista editable" : "llista";
    case forms::ItemKind::LineList: return "línies";
    default: return "model";
    }
}

Expected<int> runFields(const ParsedArgs &args)
{
    const auto request = kindRequest(args, Encoding::Utf8);
    if (!request)
        return request.failure();

    const forms::FormDef &form = *request->kind.form;
    const plecta::MemoryFieldSource initial = forms::initialFields(form, request->date);

    // Everything is gathered in Windows-1252, the texts the form holds. A field's label is the
    // fixed text just before it on its line or, when there is none, the text above it on a line
    // of fixed texts only (a heading such as "Hi assisteixen:", or one heading per column).
    std::string out;
    std::vector<std::string_view> segment, line, headingAbove;
    std::size_t fieldsInLine = 0;
    for (const forms::Item &item : form.items) {
        switch (item.kind) {
        case forms::ItemKind::Label:
            segment.push_back(item.text);
            line.push_back(item.text);
            continue;
        case forms::ItemKind::NewLine:
            headingAbove = fieldsInLine == 0 ? line : std::vector<std::string_view>();
            segment.clear();
            line.clear();
            fieldsInLine = 0;
            continue;
        case forms::ItemKind::Gap:
        case forms::ItemKind::Rule:
        case forms::ItemKind::FrameBegin:
        case forms::ItemKind::FrameEnd: headingAbove.clear(); continue;
        default: break;
        }
        const bool radio = item.kind == forms::ItemKind::Radio;
        if (!forms::isField(item) && !radio)
            continue;

        std::string_view label = radio                                ? item.text
                                 : !segment.empty()                   ? segment.back()
                                 : fieldsInLine < headingAbove.size() ? headingAbove[fieldsInLine]
                                                                      : std::string_view();
        segment.clear();
        ++fieldsInLine;

        std::string initialText, choices;
        if (radio) {
            initialText = item.checked ? cp1252::fromUtf8("sí").text : "no";
        } else if (item.kind == forms::ItemKind::Choice) {
            initialText = initial.itemText(item.id, initial.selectedItem(item.id).value_or(-1));
            for (int i = 0; const auto &text : forms::sortedChoices(item.items))
                choices += (i++ ? "|" : "") + cp1252::fromUtf8(text).text;
        } else if (item.kind == forms::ItemKind::LineList) {
            for (int i = 0; form.lineItems && i < int(form.lineItems->dialogLabels.size()); ++i)
                choices += (i ? "|" : "") + cp1252::fromUtf8(form.lineItems->dialogLabels[std::size_t(i)]).text;
        } else {
            initialText = initial.text(item.id);
        }
        out += std::string(item.name) + "\t" + std::to_string(item.id) + "\t" + cp1252::fromUtf8(fieldKind(item)).text +
               "\t" + cp1252::fromUtf8(label).text + "\t" + initialText + "\t" + choices + "\n";
    }
    if (Problem problem = writeOut(encode(out, request->encoding)))
        return *problem;
    return kExitOk;
}

} // namespace

const Command kKindsCommand{"kinds", kKindsOptions, 0, runKinds};
const Command kFieldsCommand{"fields", kFieldsOptions, 1, runFields};

} // namespace cli
