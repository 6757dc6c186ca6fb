#include "IntegerText.h"

#include <charconv>
#include <cstdint>

namespace {

std::optional<std::uint32_t> ParseHexDigits(std::string_view digits)
{
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<std::string_view> HexDigits(std::string_view text)
{
    if (text.starts_with('$'))
        return text.substr(1);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return text.substr(2);
    return std::nullopt;
}

} // namespace

std::optional<int> ParseInteger(std::string_view text, IntegerForm form)
{
    bool negative = false;
    std::string_view unsignedText = text;
    if (!unsignedText.empty() && (unsignedText[0] == '+' || unsignedText[0] == '-')) {
        negative = unsignedText[0] == '-';
        unsignedText.remove_prefix(1);
    }

    if (form == IntegerForm::DecimalOrHex) {
        if (const auto digits = HexDigits(unsignedText)) {
            // Hexadecimal spells the 32 bits themselves, so "$FFFFFFFF" is -1.
            const auto bits = ParseHexDigits(*digits);
            if (!bits)
                return std::nullopt;
            const auto value = static_cast<std::int32_t>(*bits);
            return negative ? static_cast<std::int32_t>(0u - *bits) : value;
        }
    }

    if (unsignedText.empty() || unsignedText[0] < '0' || unsignedText[0] > '9')
        return std::nullopt;
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(
        unsignedText.data(), unsignedText.data() + unsignedText.size(), magnitude, 10);
    if (error != std::errc() || end != unsignedText.data() + unsignedText.size())
        return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}
