#pragma once
// The document models compiled into the program: Windows-1252 wording with CR LF line ends and
// placeholders, byte for byte as the forms merge them, trailing NULs included.

#include <optional>
#include <span>
#include <string_view>

namespace plecta {

struct DocumentModel
{
    int id = 0;
    std::string_view bytes;  // as the text merge copies it
    std::string_view markup; // the same with the paragraph-kind tokens (BlockKinds.h); empty when it has none
};

// Every compiled-in model, in increasing id order (generated at build time).
std::span<const DocumentModel> documentModels();

// The bytes of the model with this id, or nothing for an unknown id.
std::optional<std::string_view> findDocumentModel(int id);
// The model with its paragraph-kind tokens, for the structured merge.
std::optional<std::string_view> findDocumentModelMarkup(int id);

// The row templates of the line-item tables in models 179 (delivery note), 182 (order) and 198
// (quote).
// 0xA6 is the separator "¦".
inline constexpr std::string_view kDeliveryNoteRowTemplate =
    "\xA6 %0%     \xA6   %1%                               \xA6 %2%          \xA6    %3%     \xA6\r\n";
inline constexpr std::string_view kOrderRowTemplate =
    "\xA6 %0%      \xA6 %1%                             \xA6 %2%   \xA6 %3%      \xA6 %4%      \xA6\r\n";
inline constexpr std::string_view kQuoteRowTemplate =
    "\xA6 %0%    \xA6 %1%                               \xA6 %2%       \xA6 %3%   \xA6\r\n";

} // namespace plecta
