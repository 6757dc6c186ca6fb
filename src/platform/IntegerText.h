#pragma once

#include <optional>
#include <string_view>

// Reading whole numbers out of INI values and link addresses.
enum class IntegerForm {
    Decimal,      // an optional sign, then decimal digits
    DecimalOrHex, // also "0x" or "$" followed by hexadecimal digits, as the skin files allow
};

// The value, when the whole text is one number of that form that fits 32 bits.
std::optional<int> ParseInteger(std::string_view text, IntegerForm form = IntegerForm::Decimal);
