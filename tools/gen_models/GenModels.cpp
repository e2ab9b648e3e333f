// Build-time generator: turns the readable UTF-8 document models listed in the manifest into
// Windows-1252 byte arrays with CR LF line ends, as C++ for the core library.
//
// Usage: gen_models <manifest.txt> <output.cpp> [<accessor>]
// The accessor is the generated function that returns the texts (documentModels by default), so
// that other compiled-in texts of the same form can come through the same generator.

#include "models/BlockKinds.h"
#include "text/Cp1252.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Entry
{
    int id = 0;
    bool lastLineEnd = true;
    int nuls = 0;
};

struct Failure
{
    std::string message;
};

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Failure{path.string() + ": cannot read"};
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<Entry> readManifest(const std::filesystem::path &path)
{
    std::vector<Entry> entries;
    std::istringstream lines(readFile(path));
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        Entry entry;
        std::string eol;
        if (!(fields >> entry.id >> eol >> entry.nuls) || (eol != "yes" && eol != "no") || entry.nuls < 0)
            throw Failure{path.string() + ":" + std::to_string(number) + ": expected \"<id> yes|no <nuls>\""};
        if (!entries.empty() && entries.back().id >= entry.id)
            throw Failure{path.string() + ":" + std::to_string(number) + ": ids must increase"};
        entry.lastLineEnd = eol == "yes";
        entries.push_back(entry);
    }
    return entries;
}

// A line may start with a paragraph kind, "{verb}"; a word in braces there that names no kind is
// a mistake in the model. Other braces ("{?name}" and the like) are the engine's markup.
void checkKindToken(const std::filesystem::path &path, int number, std::string_view line)
{
    if (line.empty() || line.front() != '{' || plecta::kindTokenLength(line) > 0)
        return;
    const std::size_t close = line.find('}');
    const std::string_view word = line.substr(1, close == std::string_view::npos ? 0 : close - 1);
    if (!word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string_view::npos) {
        std::string known;
        for (const plecta::BlockKindName &kind : plecta::kBlockKindNames)
            known += (known.empty() ? "" : ", ") + std::string(kind.name);
        throw Failure{path.string() + ":" + std::to_string(number) + ": {" + std::string(word) +
                      "} is no paragraph kind (" + known + ")"};
    }
}

// The model's bytes without the paragraph-kind tokens, as the text merge copies them.
std::string withoutKindTokens(std::string_view markup)
{
    std::string bytes;
    std::size_t start = 0;
    while (start < markup.size()) {
        std::size_t end = markup.find('\n', start);
        end = end == std::string_view::npos ? markup.size() : end + 1;
        const std::string_view line = markup.substr(start, end - start);
        bytes += line.substr(plecta::kindTokenLength(line));
        start = end;
    }
    return bytes;
}

// The model's bytes: every file line (each ends with LF) becomes a Windows-1252 line with CR LF.
std::string buildModel(const std::filesystem::path &path, const Entry &entry)
{
    const std::string utf8 = readFile(path);
    if (utf8.empty() || utf8.back() != '\n')
        throw Failure{path.string() + ": the last line must end with a line break"};
    if (utf8.find('\r') != std::string::npos)
        throw Failure{path.string() + ": carriage return in the file; line ends are written by the build"};

    std::string model;
    std::size_t start = 0;
    for (int number = 1; start < utf8.size(); ++number) {
        const std::size_t end = utf8.find('\n', start);
        const cp1252::Conversion line = cp1252::fromUtf8(std::string_view(utf8).substr(start, end - start));
        checkKindToken(path, number, line.text);
        if (line.error) {
            char codePoint[16];
            std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(line.error->codePoint));
            throw Failure{path.string() + ":" + std::to_string(number) + ": " + codePoint +
                          " has no Windows-1252 byte"};
        }
        model += line.text;
        model += "\r\n";
        start = end + 1;
    }
    if (!entry.lastLineEnd)
        model.resize(model.size() - 2);
    model.append(static_cast<std::size_t>(entry.nuls), '\0');
    return model;
}

// A C++ string literal piece per model line, bytes outside printable ASCII as octal escapes
// (always three digits, so a following digit never joins the escape).
std::string literalLines(const std::string &bytes)
{
    std::string out = "    \"";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\n') {
            out += "\\n";
            if (i + 1 < bytes.size())
                out += "\"\n    \"";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out + "\"";
}

std::string generate(const std::filesystem::path &manifest, const std::string &accessor)
{
    const std::vector<Entry> entries = readManifest(manifest);
    std::vector<bool> marked;
    std::ostringstream cpp;
    cpp << "// Generated by gen_models from resources/models. Do not edit.\n\n"
           "#include \"models/DocumentModels.h\"\n\n"
           "namespace plecta {\n\nnamespace {\n\n";
    for (const Entry &entry : entries) {
        const std::string markup = buildModel(manifest.parent_path() / (std::to_string(entry.id) + ".txt"), entry);
        const std::string bytes = withoutKindTokens(markup);
        cpp << "// " << bytes.size() << " bytes\n"
            << "constexpr char kModel" << entry.id << "[] =\n"
            << literalLines(bytes) << ";\n\n";
        if (markup != bytes)
            cpp << "constexpr char kMarkup" << entry.id << "[] =\n" << literalLines(markup) << ";\n\n";
        marked.push_back(markup != bytes);
    }
    cpp << "constexpr DocumentModel kModels[] = {\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string id = std::to_string(entries[i].id);
        cpp << "    {" << id << ", {kModel" << id << ", sizeof kModel" << id << " - 1}, "
            << (marked[i] ? "{kMarkup" + id + ", sizeof kMarkup" + id + " - 1}" : std::string("{}")) << "},\n";
    }
    cpp << "};\n\n} // namespace\n\n"
        << "std::span<const DocumentModel> " << accessor << "()\n{\n    return kModels;\n}\n\n"
        << "} // namespace plecta\n";
    return cpp.str();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: gen_models <manifest.txt> <output.cpp> [<accessor>]\n";
        return 2;
    }
    try {
        const std::string cpp = generate(argv[1], argc == 4 ? argv[3] : "documentModels");
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << cpp;
        if (!out.flush()) {
            std::cerr << argv[2] << ": cannot write\n";
            return 1;
        }
    } catch (const Failure &failure) {
        std::cerr << failure.message << '\n';
        return 1;
    }
    return 0;
}
