// The template engine: every model with all of its fields filled, and an order with 200 lines.

#include "forms/FormDescription.h"
#include "models/DocumentModels.h"
#include "models/MemoryFieldSource.h"
#include "models/TemplateEngine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace plecta;

namespace {

// Every field of every form, each holding a typical entry: every placeholder of every model finds
// its field.
struct FilledForm
{
    FilledForm()
    {
        for (const forms::FormDef *form : forms::allForms()) {
            for (const FieldName &field : forms::fieldNames(*form)) {
                if (std::find_if(table.begin(), table.end(),
                                 [&](const FieldName &f) { return f.name == field.name; }) != table.end())
                    continue;
                const int id = static_cast<int>(table.size()) + 1;
                fields.setEdit(id, "Ajuntament de Sant Cugat del Vall\xE8s " + std::to_string(id));
                table.push_back({field.name, id});
            }
        }
    }

    MemoryFieldSource fields;
    std::vector<FieldName> table;
};

void mergeModel(benchmark::State &state)
{
    const FilledForm form;
    const int id = static_cast<int>(state.range(0));
    std::string document;
    for (auto _ : state) {
        MergeTemplate(form.fields, form.table, id, document);
        benchmark::DoNotOptimize(document.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(mergeModel)->Apply([](benchmark::internal::Benchmark *b) {
    for (const DocumentModel &model : documentModels())
        b->Arg(model.id);
});

void mergeAllModels(benchmark::State &state)
{
    const FilledForm form;
    std::string document;
    for (auto _ : state) {
        for (const DocumentModel &model : documentModels()) {
            MergeTemplate(form.fields, form.table, model.id, document);
            benchmark::DoNotOptimize(document.data());
        }
    }
}
BENCHMARK(mergeAllModels);

void mergeOrder(benchmark::State &state)
{
    FilledForm form;
    std::vector<std::vector<std::string>> lines;
    for (int n = 0; n < state.range(0); ++n)
        lines.push_back({"REF-" + std::to_string(1000 + n), "Paper DIN A4 blanc de 80 g, 500 fulls",
                         std::to_string(n % 12 + 1), "4,75", std::to_string((n % 12 + 1) * 475 / 100) + ",00"});
    form.fields.setLineList(kLineListId, lines);
    std::string document;
    for (auto _ : state) {
        MergeTemplate(form.fields, form.table, 182, document, kOrderRowTemplate);
        benchmark::DoNotOptimize(document.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(mergeOrder)->Arg(200);

} // namespace
