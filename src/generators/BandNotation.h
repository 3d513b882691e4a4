#pragma once
// Helpers that let the band tables read like unit tables.

namespace quarvel::notation {

// A pair's factor as written in a unit table, kept as its power of ten; a
// factor that is not a power of ten does not compile.
consteval int Factor(long long factor) {
    int exponent = 0;
    for (; factor > 1 && factor % 10 == 0; factor /= 10)
        ++exponent;
    if (factor != 1) throw "a unit factor is a power of ten";
    return exponent;
}

} // namespace quarvel::notation
