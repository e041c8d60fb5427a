// Rewrites the font of a dialog template held in memory (DLGTEMPLATE or DLGTEMPLATEEX).
// Portable: works on the template's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct VxDialogFont {
    uint16_t points = 0;
    std::string face; // ASCII
    bool present = false;
};

// Reads the font of a template; false when the bytes are not a well-formed template header.
bool VxReadDialogFont(const uint8_t* data, size_t size, VxDialogFont& font);

// Copies the template into `out` with its font replaced by `face` at `points` (the font
// flag is set when the template had none). Controls are kept unchanged. Returns false (and
// leaves `out` empty) when the template is malformed.
bool VxRewriteDialogFont(const uint8_t* data, size_t size, const char* face, uint16_t points,
                         std::vector<uint8_t>& out);
