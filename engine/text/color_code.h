// The "^" colour codes embedded in displayed text: "^RRGGBBAA", "^0".."^7" (opaque
// palette) and "^^" (back to the base colour).
#pragma once
#include <cstdint>
#include <string>

namespace vrk {

// Opaque red in the colour markup; used for missing and negative amounts.
extern const std::string kRedColorCode;

// Reads the code that follows a "^". position points just after the "^" and is advanced
// past the code when one is recognised. colorOut (ARGB) may be null. Returns false, and
// leaves position and colour alone, when no code starts there.
bool ParseColorCode(uint32_t* colorOut, const char*& position, const char* end, uint32_t baseColor);

}  // namespace vrk
