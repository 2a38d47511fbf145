#include "NumericValue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace catalogue {
namespace {

// Walks the text while skipping the three characters that never count.
class SkippingReader {
public:
    explicit SkippingReader(QStringView text) : text_(text) {}

    // The next significant character, or a null character at the end.
    char16_t peek()
    {
        skipIgnored();
        return pos_ < text_.size() ? text_[pos_].unicode() : u'\0';
    }

    void advance() { ++pos_; }

private:
    void skipIgnored()
    {
        while (pos_ < text_.size()) {
            const char16_t c = text_[pos_].unicode();
            if (c != u' ' && c != u'\t' && c != u'\n')
                return;
            ++pos_;
        }
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c, int radix)
{
    int value = -1;
    if (isDecimalDigit(c))
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < radix ? value : -1;
}

double readRadixInteger(SkippingReader& reader, int radix)
{
    double value = 0;
    for (int digit = digitValue(reader.peek(), radix); digit >= 0; digit = digitValue(reader.peek(), radix)) {
        value = value * radix + digit;
        reader.advance();
    }
    return value;
}

// Reads an optionally signed run of decimal digits; a run longer than any
// double exponent saturates, which keeps the overflow decision right.
long readExponent(SkippingReader& reader)
{
    bool negative = false;
    if (reader.peek() == u'+' || reader.peek() == u'-') {
        negative = reader.peek() == u'-';
        reader.advance();
    }
    long exponent = 0;
    while (isDecimalDigit(reader.peek())) {
        if (exponent < 100000)
            exponent = exponent * 10 + (reader.peek() - u'0');
        reader.advance();
    }
    return negative ? -exponent : exponent;
}

double readDecimal(SkippingReader& reader)
{
    std::string mantissa;
    long leadingPosition = 0; // decimal exponent of the first non-zero digit, plus one
    bool seenNonZero = false;
    bool anyDigit = false;

    while (isDecimalDigit(reader.peek())) {
        const char digit = char(reader.peek());
        if (digit != '0' || seenNonZero) {
            seenNonZero = true;
            ++leadingPosition;
        }
        mantissa += digit;
        anyDigit = true;
        reader.advance();
    }
    if (reader.peek() == u'.') {
        reader.advance();
        mantissa += '.';
        while (isDecimalDigit(reader.peek())) {
            const char digit = char(reader.peek());
            if (!seenNonZero) {
                if (digit == '0')
                    --leadingPosition;
                else
                    seenNonZero = true;
            }
            mantissa += digit;
            anyDigit = true;
            reader.advance();
        }
    }
    if (!anyDigit || !seenNonZero)
        return 0;

    long exponent = 0;
    if (reader.peek() == u'e' || reader.peek() == u'E') {
        reader.advance();
        exponent = readExponent(reader);
    }

    const std::string number = mantissa + 'e' + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return leadingPosition + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

} // namespace

double numericValue(QStringView text)
{
    SkippingReader reader(text);

    if (reader.peek() == u'&') {
        reader.advance();
        const char16_t kind = reader.peek();
        if (kind != u'h' && kind != u'H' && kind != u'o' && kind != u'O')
            return 0;
        reader.advance();
        return readRadixInteger(reader, kind == u'h' || kind == u'H' ? 16 : 8);
    }

    bool negative = false;
    if (reader.peek() == u'+' || reader.peek() == u'-') {
        negative = reader.peek() == u'-';
        reader.advance();
    }
    const double magnitude = readDecimal(reader);
    return negative ? -magnitude : magnitude;
}

} // namespace catalogue
