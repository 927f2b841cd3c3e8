#pragma once
// Number rules shared by both calculators: how values are stored, rounded, read from
// user text and shown. Every other folder calls these; none re-implements them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vib {

// State is held in single precision; arithmetic runs in double and is rounded once,
// where the result is stored.
inline float StoreSingle(double v) {
    return static_cast<float>(v);
}

// Conversion to a whole number: nearest, halves to even (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double v);

// The same into a 16-bit integer, clamped to its range instead of overflowing.
std::int16_t RoundToInt16(double v);

// Leading-number rule of the profile editor: locale-independent, blanks, tabs and line
// feeds ignored wherever they stand, "." as decimal point, optional exponent (E or D),
// &H / &O radix prefixes; reading stops at the first character that does not fit, and
// text without a number gives 0. Never throws; overflow gives +/-infinity.
double LeadingNumber(std::string_view text);

// Shortest general form with up to seven significant digits, "." as decimal point:
// 0.001, 1E-06, 600, 0.1000064. Used for labels and wherever the number's own text is
// wanted; `decimal` replaces the point for display in the user's locale.
std::string FormatGeneral(double v, char decimal = '.');

// Text of an error number with a blank in the sign position: 53 -> " 53", -1 -> "-1".
std::string ErrorNumberText(int number);

// "Error # " + ErrorNumberText(n) + " Occured": the title of every file and printer
// error box.
std::string ErrorBoxTitle(int number);

// Display masks such as "####.#", "###.##", "##.####", "###.###", "###.#". A "#" shows
// a digit only where it is significant, with these choices kept everywhere:
// the integer part always shows at least one digit (0.5 -> "0.5", 0 -> "0"), and the
// decimal separator is left out when no decimal digit follows (8 -> "8", 7.996 with
// "###.##" -> "8"). Values round half to even on their exact binary value. More integer
// digits than the mask has are still shown. `decimal` is the locale's separator.
std::string FormatMask(double v, std::string_view mask, char decimal = '.');

// The two separators of the user's locale, as the input boxes and displays see them.
struct NumberLocale {
    char decimal = '.';
    char group = ',';
};
inline constexpr NumberLocale kCLocale{'.', ','};
inline constexpr NumberLocale kDecimalCommaLocale{',', '.'};

// How an input box reads a number in the user's locale: surrounding blanks allowed, an
// optional sign, digits with the locale's decimal separator, thousands separators only
// in well-formed groups of three, an optional exponent. A thousands separator is never
// taken as a decimal point. Empty, partial or non-numeric answers and values outside the
// double range give no value.
std::optional<double> ParseLocaleNumber(std::string_view text, NumberLocale locale);

// An input-box answer that is to be stored: ParseLocaleNumber, but a number that would
// not be finite once stored in single precision (1E39) is refused like a non-number, so
// no limit or setting ever holds infinity.
std::optional<double> ParseStorableNumber(std::string_view text, NumberLocale locale);

// True when the value survives the single-precision store as a finite number.
bool FitsSingle(double v);

// A single-precision value as the shortest text that reads back to the same float, "."
// as decimal point and an upper-case exponent: what files and the batch tool write.
std::string FloatToText(float v);

// Strict numeric field syntax of the record files: optional sign, digits with an
// optional "." (".5", "5.", "1E-06", "-2.5e+3"), no other characters. Blanks around the
// field are the caller's business. Values beyond the float range give no value.
std::optional<float> ParseFieldNumber(std::string_view text);

}  // namespace vib
