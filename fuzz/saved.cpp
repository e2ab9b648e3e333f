// Fuzz target for the reader of saved forms (".plecta" files). Besides memory and
// undefined-behaviour faults it checks that a refusal always says why and where, and that a form
// that was read, written again, reads back the same.

#include "forms/SavedForm.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "saved fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const forms::SavedFormRead read = forms::readSavedForm(bytes);
    if (!read.form) {
        require(!read.error.empty(), "refusal without a message");
        return 0;
    }
    require(read.error.empty(), "a form read with a message");
    const forms::SavedFormRead again = forms::readSavedForm(forms::writeSavedForm(*read.form));
    require(again.form.has_value(), "a written form refused");
    require(*again.form == *read.form, "a written form reads back otherwise");
    return 0;
}
