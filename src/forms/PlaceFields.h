#pragma once
// The fields of a form where the user writes a municipality, and the comarca and postcode fields
// of the same block, so that taking a proposed municipality can fill them.

#include "forms/FormDescription.h"
#include "models/FieldSource.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace forms {

struct PlaceBlock
{
    int municipality = 0;
    int comarca = 0;  // 0: the block has none
    int postcode = 0; // 0: the block has none
};

// The municipality blocks of a form, in layout order; none for a form without a municipality.
std::span<const PlaceBlock> placeBlocks(const FormDef &form);

// What taking a municipality puts in a block. A comarca or postcode field is filled only while it
// is empty or still holds its initial text: what the user typed there is never overwritten.
struct PlaceFill
{
    std::string municipality;                // the running name, "l'Hospitalet de Llobregat"
    std::optional<std::string> comarca;      // set when the comarca field is to be filled
    std::optional<std::string> postcode;     // the main postcode, set when the field is to be filled
    std::vector<std::string> otherPostcodes; // the municipality's further postcodes, to offer
};

// All texts in Windows-1252; municipality is an index of g_municipalities.
PlaceFill placeFill(const FormDef &form, const PlaceBlock &block, std::size_t municipality,
                    const plecta::FieldSource &fields);

} // namespace forms
