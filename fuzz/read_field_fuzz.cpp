// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a field's text: reading gives a finite single or a
// conversion or overflow error, nothing else; a number read and written again
// reads back as itself rounded to seven significant digits.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/numbers.hpp"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

void Check(std::string_view text, char sep) {
    const ardelin::ParsedSingle parsed = ardelin::ParseSingle(text, sep);
    if (parsed.error) {
        if (*parsed.error != ardelin::CalcErrorKind::Conversion && *parsed.error != ardelin::CalcErrorKind::Overflow) {
            Fail("unexpected error kind", text);
        }
        return;
    }
    if (!std::isfinite(parsed.value)) Fail("non-finite value read", text);

    const std::string written = ardelin::FormatSingle(parsed.value, sep);
    const ardelin::ParsedSingle again = ardelin::ParseSingle(written, sep);
    if (again.error) Fail("written number does not read back", written);

    // The same value rounded to seven significant digits by printf, read as
    // double and rounded to single, as the fields read every number.
    char seven[64];
    std::snprintf(seven, sizeof seven, "%.6e", static_cast<double>(parsed.value));
    double wide = 0;
    std::from_chars(seven, seven + std::char_traits<char>::length(seven), wide);
    if (again.value != static_cast<float>(wide)) Fail("read-back differs from the 7-digit value", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(text, '.');
    Check(text, ',');
    return 0;
}
