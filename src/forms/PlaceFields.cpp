#include "forms/PlaceFields.h"

#include "reference/Municipalities.h"
#include "reference/Places.h"
#include "reference/ReferenceTables.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace forms {
namespace {

// By layout id. The administration forms share their applicant block and their place of signing;
// the second application model numbers its postcode box differently.
constexpr std::array<PlaceBlock, 2> kApplicant = {{{1047, 1048, 1049}, {1052}}};
constexpr std::array<PlaceBlock, 2> kApplicantB = {{{1047, 1048, 1045}, {1052}}};
constexpr std::array<PlaceBlock, 1> kPlace1047 = {{{1047}}};
constexpr std::array<PlaceBlock, 1> kPlace1106 = {{{1106}}};
// The convener's and the addressee's addresses, then the place of signing.
constexpr std::array<PlaceBlock, 3> kConvocatoria = {{{1045, 1046, 1044}, {1050, 1051, 1049}, {1106}}};
// The sender's and the addressee's addresses (a letter writes no comarca), then the place of signing.
constexpr std::array<PlaceBlock, 3> kCarta = {{{1113, 0, 1049}, {1045, 0, 1050}, {1052}}};

struct FormBlocks
{
    int layoutId;
    std::span<const PlaceBlock> blocks;
};

constexpr FormBlocks kFormBlocks[] = {
    {161, kPlace1047},    // certificat
    {162, kConvocatoria}, // convocatòria de reunió
    {163, kPlace1047},    // invitació
    {165, kApplicant},    // sol·licitud, model A
    {166, kApplicantB},   // sol·licitud, model B
    {173, kApplicant},    {174, kApplicant}, {185, kApplicant}, {186, kApplicant}, {187, kApplicant},
    {188, kApplicant},    {189, kApplicant}, {190, kApplicant}, {175, kPlace1106}, // comunicat intern individual
    {176, kPlace1106},                                                             // comunicat intern col·lectiu
    {177, kCarta},                                                                 // carta
    {178, kPlace1047},                                                             // saluda
    {181, kPlace1047},                                                             // comanda: the client's municipality
};

// The procedures of today: the applicant block and the place of signing.
constexpr int kProcedureLayouts[] = {191, 192, 193, 194, 195, 196, 197};

std::string initialTextOf(const FormDef &form, int id)
{
    for (const Item &item : form.items) {
        if (item.id == id && (item.kind == ItemKind::Edit || item.kind == ItemKind::Box))
            return initialText(item, {});
    }
    return {};
}

bool untouched(const FormDef &form, int id, const plecta::FieldSource &fields)
{
    if (!fields.isLive(id))
        return false;
    const std::string text = fields.text(id);
    return text.empty() || text == initialTextOf(form, id);
}

} // namespace

std::span<const PlaceBlock> placeBlocks(const FormDef &form)
{
    for (const FormBlocks &entry : kFormBlocks) {
        if (entry.layoutId == form.layoutId)
            return entry.blocks;
    }
    if (std::ranges::find(kProcedureLayouts, form.layoutId) != std::end(kProcedureLayouts))
        return kApplicant;
    return {};
}

PlaceFill placeFill(const FormDef &form, const PlaceBlock &block, std::size_t municipality,
                    const plecta::FieldSource &fields)
{
    PlaceFill fill;
    fill.municipality = plecta::runningName(g_municipalities[municipality].name);
    if (block.comarca != 0 && untouched(form, block.comarca, fields))
        fill.comarca = plecta::municipalityComarca(municipality);
    if (block.postcode != 0) {
        std::vector<std::string> postcodes = plecta::municipalityPostcodes(municipality);
        if (untouched(form, block.postcode, fields))
            fill.postcode = postcodes.front();
        fill.otherPostcodes.assign(postcodes.begin() + 1, postcodes.end());
    }
    return fill;
}

} // namespace forms
