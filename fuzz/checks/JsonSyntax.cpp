#include "JsonSyntax.h"

#include <string>

namespace keldo::fuzz {
namespace {

// A recursive-descent reading of the JSON grammar that only accepts or
// rejects: the yardstick for the program's JSON writer.
class JsonReader {
public:
    explicit JsonReader(std::string_view text) : m_text(text) {}

    bool Document(std::string& where)
    {
        SkipSpace();
        if (!Value(0)) {
            where = m_problem + " at byte " + std::to_string(m_pos);
            return false;
        }
        SkipSpace();
        if (m_pos != m_text.size()) {
            where = "text after the value at byte " + std::to_string(m_pos);
            return false;
        }
        return true;
    }

private:
    bool Fail(const char* problem)
    {
        m_problem = problem;
        return false;
    }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }

    void SkipSpace()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++m_pos;
    }

    bool Literal(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return Fail("unknown literal");
        m_pos += word.size();
        return true;
    }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    bool Number()
    {
        if (Peek() == '-')
            ++m_pos;
        if (Peek() == '0') {
            ++m_pos;
        } else if (IsDigit(Peek())) {
            while (IsDigit(Peek()))
                ++m_pos;
        } else {
            return Fail("number without digits");
        }
        if (Peek() == '.') {
            ++m_pos;
            if (!IsDigit(Peek()))
                return Fail("no digit after the decimal point");
            while (IsDigit(Peek()))
                ++m_pos;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++m_pos;
            if (Peek() == '+' || Peek() == '-')
                ++m_pos;
            if (!IsDigit(Peek()))
                return Fail("no digit in the exponent");
            while (IsDigit(Peek()))
                ++m_pos;
        }
        return true;
    }

    bool String()
    {
        ++m_pos; // the opening quote
        while (!AtEnd()) {
            const auto c = static_cast<unsigned char>(m_text[m_pos++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return Fail("control character inside a string");
            if (c != '\\')
                continue;
            const char e = Peek();
            ++m_pos;
            if (e == 'u') {
                for (int k = 0; k < 4; ++k, ++m_pos) {
                    const char h = Peek();
                    if (!(IsDigit(h) || (h >= 'a' && h <= 'f') || (h >= 'A' && h <= 'F')))
                        return Fail("bad \\u escape");
                }
            } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos || e == '\0') {
                return Fail("unknown escape");
            }
        }
        return Fail("string without its closing quote");
    }

    bool Value(int depth)
    {
        if (depth > 64)
            return Fail("nested too deeply");
        switch (Peek()) {
        case '{':
            return Container('}', depth, true);
        case '[':
            return Container(']', depth, false);
        case '"':
            return String();
        case 't':
            return Literal("true");
        case 'f':
            return Literal("false");
        case 'n':
            return Literal("null");
        default:
            return Number();
        }
    }

    bool Container(char close, int depth, bool object)
    {
        ++m_pos;
        SkipSpace();
        if (Peek() == close) {
            ++m_pos;
            return true;
        }
        for (;;) {
            SkipSpace();
            if (object) {
                if (Peek() != '"')
                    return Fail("object key is not a string");
                if (!String())
                    return false;
                SkipSpace();
                if (Peek() != ':')
                    return Fail("no colon after an object key");
                ++m_pos;
                SkipSpace();
            }
            if (!Value(depth + 1))
                return false;
            SkipSpace();
            if (Peek() == ',') {
                ++m_pos;
                continue;
            }
            if (Peek() == close) {
                ++m_pos;
                return true;
            }
            return Fail("neither a comma nor the end of the container");
        }
    }

    std::string_view m_text;
    size_t m_pos = 0;
    std::string m_problem;
};

} // namespace

bool IsJson(std::string_view text, std::string& where) { return JsonReader(text).Document(where); }

} // namespace keldo::fuzz
