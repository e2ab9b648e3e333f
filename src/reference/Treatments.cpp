#include "reference/Treatments.h"

#include "models/DocumentModels.h"

#include <algorithm>
#include <span>
#include <string>

namespace plecta {
// Generated from resources/treatments by the document models' generator.
std::span<const DocumentModel> textResources();
} // namespace plecta

namespace treatments {

std::optional<std::string_view> findTextResource(int id)
{
    const auto texts = plecta::textResources();
    const auto it =
        std::find_if(texts.begin(), texts.end(), [id](const plecta::DocumentModel &text) { return text.id == id; });
    if (it == texts.end())
        return std::nullopt;
    return it->bytes;
}

std::string_view treatmentsText()
{
    const std::optional<std::string_view> bytes = findTextResource(kTextId);
    if (!bytes)
        return {};
    return bytes->substr(0, bytes->find('\0'));
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Appends a piece with its runs of blanks made single spaces, a space before it when `out` has
// text already.
void appendCollapsed(std::string &out, std::string_view piece)
{
    for (std::size_t i = 0; i < piece.size(); ++i) {
        if (isBlank(piece[i]))
            continue;
        if (!out.empty() && (i == 0 || isBlank(piece[i - 1])))
            out += ' ';
        out += piece[i];
    }
}

struct Block
{
    std::string form;
    std::string abbreviations;
    std::vector<TreatmentEntry> entries;
};

void closeBlock(Block &block, std::vector<TreatmentEntry> &out)
{
    for (TreatmentEntry &entry : block.entries) {
        entry.form = block.form;
        entry.abbreviations = block.abbreviations;
        out.push_back(std::move(entry));
    }
    block = Block{};
}

} // namespace

std::vector<TreatmentEntry> treatmentEntries()
{
    std::vector<TreatmentEntry> out;
    const std::string_view text = treatmentsText();
    Block block;
    std::size_t start = text.find('\n'); // the heading line names the columns: no entry
    for (int line = 1; start != std::string_view::npos && start + 1 < text.size(); ++line) {
        ++start;
        std::size_t end = text.find('\n', start);
        std::string_view raw = text.substr(start, end == std::string_view::npos ? end : end - start);
        start = end;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        if (raw.find_first_not_of(" \t") == std::string_view::npos) {
            closeBlock(block, out);
            continue;
        }
        const std::size_t tab = raw.find('\t');
        const std::string_view left = raw.substr(0, tab);
        const std::size_t rightStart = tab == std::string_view::npos ? tab : raw.find_first_not_of('\t', tab);
        const std::string_view right =
            rightStart == std::string_view::npos ? std::string_view{} : raw.substr(rightStart);

        const std::size_t leftText = left.find_first_not_of(' ');
        if (leftText != std::string_view::npos)
            appendCollapsed(left[leftText] == '(' ? block.abbreviations : block.form, left);

        if (right.starts_with(". ")) {
            block.entries.push_back({{}, {}, {}, line, line});
            appendCollapsed(block.entries.back().office, right.substr(2));
        } else if (!right.empty() && !block.entries.empty()) {
            appendCollapsed(block.entries.back().office, right);
            block.entries.back().lastLine = line;
        }
    }
    closeBlock(block, out);
    return out;
}

} // namespace treatments
