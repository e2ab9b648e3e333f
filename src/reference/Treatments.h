#pragma once
// The protocol treatments: a fixed text, compiled in as the resource "TEXT" 168 (Windows-1252,
// CR LF lines, laid out for tab stops every eight characters, closed by a NUL).

#include <optional>
#include <string_view>

namespace treatments {

inline constexpr int kTextId = 168;

// The bytes of the text resource with this id, its closing NUL included, or nothing.
std::optional<std::string_view> findTextResource(int id);

// What the treatments window shows: the bytes of resource 168 up to its NUL; empty when the
// resource is missing.
std::string_view treatmentsText();

} // namespace treatments
