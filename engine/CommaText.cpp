#include "engine/CommaText.h"

namespace pralomen {
namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';

bool IsBlank(char16_t c) { return c >= 1 && c <= 32; }

class Cursor {
public:
    explicit Cursor(std::u16string_view s) : s_(s) {}
    bool AtEnd() const { return i_ >= s_.size(); }
    char16_t Peek(std::size_t ahead = 0) const { return i_ + ahead < s_.size() ? s_[i_ + ahead] : u'\0'; }
    void Next() { ++i_; }
    void SkipBlanks() { while (!AtEnd() && IsBlank(Peek())) Next(); }

    std::u16string QuotedField()
    {
        std::u16string field;
        Next(); // opening quote
        while (!AtEnd()) {
            if (Peek() == kQuote) {
                Next();
                if (Peek() != kQuote) break;
            }
            field.push_back(Peek());
            Next();
        }
        return field;
    }

    std::u16string PlainField()
    {
        std::size_t start = i_;
        while (!AtEnd() && Peek() > 32 && Peek() != kComma) Next();
        return std::u16string(s_.substr(start, i_ - start));
    }

private:
    std::u16string_view s_;
    std::size_t i_ = 0;
};

} // namespace

void ForEachCommaField(std::u16string_view line, const std::function<void(std::u16string&&)>& visit)
{
    Cursor c(line);
    c.SkipBlanks();
    // Outside a quoted field a NUL ends the line, as a terminator would; inside one it is a character.
    while (!c.AtEnd() && c.Peek() != u'\0') {
        visit(c.Peek() == kQuote ? c.QuotedField() : c.PlainField());
        c.SkipBlanks();
        if (c.Peek() == kComma) {
            if (c.Peek(1) == u'\0') visit(std::u16string());
            do c.Next(); while (!c.AtEnd() && IsBlank(c.Peek()));
        }
    }
}

std::vector<std::u16string> SplitCommaText(std::u16string_view line)
{
    std::vector<std::u16string> fields;
    ForEachCommaField(line, [&fields](std::u16string&& field) { fields.push_back(std::move(field)); });
    return fields;
}

} // namespace pralomen
