#pragma once
// A small, strict JSON reader and the string escaping of its writer, for the files the program
// saves and opens. The reader takes UTF-8 only, keeps every value's byte offset for messages,
// refuses duplicate keys, trailing bytes and nesting deeper than kMaxDepth, and explains a refusal
// in one Catalan sentence that names the byte offset.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace json {

inline constexpr int kMaxDepth = 64;

enum class Type { Null, Boolean, Number, String, Array, Object };

struct Member;

struct Value
{
    // Defined where Member is complete: a vector of an incomplete type may be declared, but not
    // destroyed or copied.
    Value();
    ~Value();
    Value(const Value &);
    Value(Value &&) noexcept;
    Value &operator=(const Value &);
    Value &operator=(Value &&) noexcept;

    Type type = Type::Null;
    std::size_t offset = 0; // of the value's first byte in the input
    bool boolean = false;
    std::string text; // a string's contents (UTF-8), or a number as written
    std::vector<Value> items;
    std::vector<Member> members; // in the order written

    // The member with this key, or nullptr.
    const Value *member(std::string_view key) const;
    // A number written as a whole number without sign, exponent or fraction that fits in an int.
    std::optional<int> wholeNumber() const;
};

// An object's member: its key and its value.
struct Member
{
    Member(std::string name, Value content) : key(std::move(name)), value(std::move(content)) {}

    std::string key;
    Value value;
};

struct ParseResult
{
    std::optional<Value> value;
    std::string error; // UTF-8, empty when value is set
};

ParseResult parse(std::string_view bytes);

// A string as a JSON literal, quotes included: '"' and '\' escaped, control characters as \n, \r,
// \t or \u00XX, everything else as it is (the input must be UTF-8).
std::string quote(std::string_view utf8);

} // namespace json
