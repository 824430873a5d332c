#pragma once
// Conversions: the table of the nineteen unit, circle and angle conversions, the
// conversion mode a code gives (kind and factor), and the slide position a conversion sets.
// The command handlers (undo point, face, thumb, focus) belong to the window.

#include <array>
#include <cstdint>

namespace calc {

// Kind 0: C pairs with D and CF with DF; 1: C with DF and CF with D; 2: C with A.
struct ConversionMode {
    int16_t unit = 0;  // the code, 0 = none
    int16_t kind = 0;
    double factor = 1.0;  // multiplies the C and CF readings of the hairline column
    bool operator==(const ConversionMode&) const = default;
};

struct Conversion {
    int16_t command;            // menu command number (201-203, 301-371)
    const char16_t* menuEnglish;  // "\t" separates the menu line's two columns
    const char16_t* menuJapanese;
    double f;       // setting factor
    int16_t shift;  // slide shift: +1, -1 or 0
    int16_t code;   // value of Unit
    int16_t kind;
    double factor;
    const char16_t* firstName;   // shown on C and CF
    const char16_t* secondName;  // shown on D, DF or A
};

extern const std::array<Conversion, 19> kConversions;

// The row of a code or of a command number; nullptr when there is none.
const Conversion* conversionByCode(int code);
const Conversion* conversionByCommand(int command);

// Set conversion mode(code): code 0 cancels; an unknown code also gives Unit 0.
ConversionMode conversionMode(int code);

// Conversion command(f, shift): the slide position it sets, H = trunc(log10(f) x 6 300 000 + 0.5),
// plus 3 150 000 for shift +1, minus 3 150 000 for shift -1, limited to 0 ... 6 300 000.
int32_t conversionSlidePosition(double f, int shift);

}  // namespace calc
