#include "FormsToAvoid.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace {

// "llogater -a m f" -> "llogater"; "compulsa f; ara, còpia autèntica" -> "compulsa".
std::string withoutLabels(const std::string &catalan)
{
    static const std::set<std::string> labels = {"m", "f", "pl", "adj", "adv", "v", "prep", "conj"};
    std::vector<std::string> words;
    std::istringstream in(catalan.substr(0, catalan.find(';')));
    for (std::string word; in >> word;)
        words.push_back(word);
    while (!words.empty() && (labels.count(words.back()) || words.back().front() == '-'))
        words.pop_back();
    std::string out;
    for (const std::string &word : words)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

std::map<std::string, std::vector<std::string>> catalanByCastilian(const std::vector<Record> &vocabulary)
{
    std::map<std::string, std::vector<std::string>> catalan;
    for (const Record &r : vocabulary) {
        std::vector<std::string> &forms = catalan[r.fields[0]];
        const std::string form = withoutLabels(r.fields[1]);
        if (!form.empty() && std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(form);
    }
    return catalan;
}

std::string joined(const std::vector<std::string> &forms)
{
    std::string out;
    for (const std::string &form : forms)
        out += (out.empty() ? "" : ", ") + form;
    return out;
}

} // namespace

void writeFormsToAvoid(std::ostream &out, const std::filesystem::path &file, const std::vector<Record> &vocabulary,
                       Faults &faults)
{
    const auto catalan = catalanByCastilian(vocabulary);
    std::set<std::string> seen;
    out << "const AvoidEntry g_formsToAvoid[] = {\n";
    for (const Record &r : readDataFile(file, 3, 3, faults)) {
        const std::string &form = r.fields[0];
        if (cp1252::toLower(form) != form)
            faults.add(r.where, "form " + quoted(form) + " must be written in lower case");
        if (form.find("  ") != std::string::npos)
            faults.add(r.where, "form " + quoted(form) + " has words separated by more than one space");
        if (!seen.insert(form).second)
            faults.add(r.where, "form " + quoted(form) + " repeated");
        const auto known = catalan.find(form);
        std::string correct = r.fields[1];
        if (correct == "=") {
            if (known == catalan.end()) {
                faults.add(r.where,
                           "no vocabulary record has the Castilian text " + quoted(form) + "; write its correct forms");
                continue;
            }
            correct = joined(known->second);
        } else if (known != catalan.end()) {
            faults.add(r.where, "the vocabulary gives the Catalan for " + quoted(form) + "; write \"=\"");
        }
        out << "    {" << literal(form) << ", " << literal(correct) << ", " << literal(r.fields[2]) << "},\n";
    }
    out << "    {nullptr, nullptr, nullptr},\n};\n\n";
}
