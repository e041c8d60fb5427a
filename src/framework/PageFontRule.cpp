#include "framework/PageFontRule.h"

#include "framework/VxString.h"

VxPageFontSpec VxMakePageFontSpec(int charSet, const char* faceName, int height)
{
    VxPageFontSpec spec;
    spec.nHeight = height;
    spec.nCharSet = static_cast<unsigned char>(charSet);
    VxCopyText(spec.szFaceName, sizeof spec.szFaceName, faceName ? faceName : "");
    return spec;
}
