// The error that ends a calculation.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "window/form1.hpp"

namespace ardelin {

enum class CalcErrorKind { Conversion, Overflow, DivisionByZero, InvalidArgument };

class CalcError : public std::runtime_error {
public:
    explicit CalcError(CalcErrorKind kind);
    // A failure of reading a field: names the field and keeps its text.
    CalcError(CalcErrorKind kind, Field field, std::string text);

    [[nodiscard]] CalcErrorKind Kind() const noexcept { return kind_; }
    [[nodiscard]] const std::optional<Field>& SourceField() const noexcept { return field_; }
    [[nodiscard]] const std::string& FieldTextSeen() const noexcept { return text_; }

private:
    CalcErrorKind kind_;
    std::optional<Field> field_;
    std::string text_;
};

// Short plain words for a kind, such as "division by zero".
[[nodiscard]] const char* KindName(CalcErrorKind kind) noexcept;

}  // namespace ardelin
