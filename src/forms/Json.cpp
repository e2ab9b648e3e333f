#include "forms/Json.h"

#include "text/Utf8.h"

#include <charconv>

namespace json {

Value::Value() = default;
Value::~Value() = default;
Value::Value(const Value &) = default;
Value::Value(Value &&) noexcept = default;
Value &Value::operator=(const Value &) = default;
Value &Value::operator=(Value &&) noexcept = default;

const Value *Value::member(std::string_view key) const
{
    for (const auto &[name, value] : members) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

std::optional<int> Value::wholeNumber() const
{
    if (type != Type::Number || text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

namespace {

struct Refused
{
    std::size_t offset;
    std::string what;
};

class Parser
{
public:
    explicit Parser(std::string_view bytes) : m_bytes(bytes) {}

    Value document()
    {
        if (m_bytes.starts_with("\xEF\xBB\xBF"))
            m_pos = 3; // a byte-order mark, as some editors write one
        Value value = parseValue(0);
        skipSpace();
        if (m_pos != m_bytes.size())
            throw Refused{m_pos, "hi ha més text després del final"};
        return value;
    }

private:
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    char peek() const { return atEnd() ? '\0' : m_bytes[m_pos]; }

    void skipSpace()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_pos;
    }

    void expect(char c)
    {
        skipSpace();
        if (peek() != c)
            throw Refused{m_pos, atEnd() ? std::string("el fitxer s'acaba abans d'hora")
                                         : "s'esperava «" + std::string(1, c) + "»"};
        ++m_pos;
    }

    void literal(std::string_view word)
    {
        if (m_bytes.substr(m_pos, word.size()) != word)
            throw Refused{m_pos, "hi ha un valor que no és JSON"};
        m_pos += word.size();
    }

    Value parseValue(int depth)
    {
        skipSpace();
        if (atEnd())
            throw Refused{m_pos, "el fitxer s'acaba abans d'hora"};
        Value value;
        value.offset = m_pos;
        switch (peek()) {
        case '{': parseObject(value, depth + 1); break;
        case '[': parseArray(value, depth + 1); break;
        case '"':
            value.type = Type::String;
            value.text = parseString();
            break;
        case 't':
            literal("true");
            value.type = Type::Boolean;
            value.boolean = true;
            break;
        case 'f':
            literal("false");
            value.type = Type::Boolean;
            break;
        case 'n': literal("null"); break;
        default: value.type = Type::Number; value.text = parseNumber();
        }
        return value;
    }

    void nest(int depth) const
    {
        if (depth > kMaxDepth)
            throw Refused{m_pos, "hi ha massa nivells de claudàtors i claus"};
    }

    void parseObject(Value &value, int depth)
    {
        nest(depth);
        value.type = Type::Object;
        ++m_pos;
        skipSpace();
        if (peek() == '}') {
            ++m_pos;
            return;
        }
        for (;;) {
            skipSpace();
            const std::size_t keyAt = m_pos;
            if (peek() != '"')
                throw Refused{m_pos, atEnd() ? std::string("el fitxer s'acaba abans d'hora")
                                             : std::string("s'esperava una clau entre cometes")};
            std::string key = parseString();
            if (value.member(key))
                throw Refused{keyAt, "la clau «" + key + "» hi és dues vegades"};
            expect(':');
            Value member = parseValue(depth);
            value.members.emplace_back(std::move(key), std::move(member));
            skipSpace();
            if (peek() == '}') {
                ++m_pos;
                return;
            }
            expect(',');
        }
    }

    void parseArray(Value &value, int depth)
    {
        nest(depth);
        value.type = Type::Array;
        ++m_pos;
        skipSpace();
        if (peek() == ']') {
            ++m_pos;
            return;
        }
        for (;;) {
            value.items.push_back(parseValue(depth));
            skipSpace();
            if (peek() == ']') {
                ++m_pos;
                return;
            }
            expect(',');
        }
    }

    std::string parseNumber()
    {
        const std::size_t start = m_pos;
        auto digits = [this] {
            const std::size_t from = m_pos;
            while (!atEnd() && peek() >= '0' && peek() <= '9')
                ++m_pos;
            return m_pos > from;
        };
        if (peek() == '-')
            ++m_pos;
        if (peek() == '0')
            ++m_pos;
        else if (!digits())
            throw Refused{start, "hi ha un valor que no és JSON"};
        if (peek() == '.') {
            ++m_pos;
            if (!digits())
                throw Refused{m_pos, "un nombre acaba en punt"};
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_pos;
            if (peek() == '+' || peek() == '-')
                ++m_pos;
            if (!digits())
                throw Refused{m_pos, "un nombre té l'exponent buit"};
        }
        return std::string(m_bytes.substr(start, m_pos - start));
    }

    unsigned hex4()
    {
        unsigned code = 0;
        for (int i = 0; i < 4; ++i, ++m_pos) {
            const char c = peek();
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                throw Refused{m_pos, "una seqüència \\u no té quatre xifres hexadecimals"};
            code = code * 16 + unsigned(digit);
        }
        return code;
    }

    char32_t escapedCodePoint(std::size_t escapeAt)
    {
        const unsigned first = hex4();
        if (first >= 0xDC00 && first <= 0xDFFF)
            throw Refused{escapeAt, "una seqüència \\u és la segona meitat d'un parell sense la primera"};
        if (first < 0xD800 || first > 0xDBFF)
            return first;
        if (m_bytes.substr(m_pos, 2) != "\\u")
            throw Refused{escapeAt, "una seqüència \\u és la primera meitat d'un parell sense la segona"};
        m_pos += 2;
        const unsigned second = hex4();
        if (second < 0xDC00 || second > 0xDFFF)
            throw Refused{escapeAt, "una seqüència \\u és la primera meitat d'un parell sense la segona"};
        return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }

    std::string parseString()
    {
        ++m_pos; // the opening quote
        std::string out;
        for (;;) {
            if (atEnd())
                throw Refused{m_pos, "un text entre cometes no es tanca"};
            const std::size_t at = m_pos;
            const unsigned char c = static_cast<unsigned char>(m_bytes[m_pos]);
            if (c == '"') {
                ++m_pos;
                return out;
            }
            if (c < 0x20)
                throw Refused{at, "un text entre cometes té un caràcter de control sense escapar"};
            if (c != '\\') {
                const char32_t code = utf8::decode(m_bytes, m_pos);
                if (code == utf8::kInvalid)
                    throw Refused{at, "hi ha bytes que no són UTF-8"};
                out.append(m_bytes.substr(at, m_pos - at));
                continue;
            }
            ++m_pos;
            const char e = peek();
            ++m_pos;
            switch (e) {
            case '"':
            case '\\':
            case '/': out += e; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': utf8::append(out, escapedCodePoint(at)); break;
            default: throw Refused{at, "hi ha una seqüència d'escapament que no és JSON"};
            }
        }
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace

ParseResult parse(std::string_view bytes)
{
    try {
        return {Parser(bytes).document(), {}};
    } catch (const Refused &refused) {
        return {std::nullopt,
                "el fitxer està malmès a l'octet " + std::to_string(refused.offset) + ": " + refused.what};
    }
}

std::string quote(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            (out += '\\') += c;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (byte < 0x20 || byte == 0x7F)
            ((out += "\\u00") += kHex[byte >> 4]) += kHex[byte & 15];
        else
            out += c;
    }
    return out + "\"";
}

} // namespace json
