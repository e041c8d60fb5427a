// Trace routine used by the whole program. Messages carry their own "[VxUI] " prefix.
#pragma once

// Trace level (the configuration's DebugMode); 0 switches tracing off. Until the
// configuration has been read the level is 0.
void VxSetTraceLevel(int level);
int VxGetTraceLevel();

// Where finished lines go. The default is the debugger output stream on Windows and
// standard error elsewhere; tests install their own sink. Passing nullptr restores the default.
using VxTraceSink = void (*)(const char* text);
void VxSetTraceSink(VxTraceSink sink);

// Plain trace: formats into 512 bytes (cut at 511 characters) and writes the text when
// the level is not 0.
void VxTrace(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Levelled trace: nothing when the configured level is below `level`, otherwise as VxTrace.
// Level 4 is used for record dumps and radio-state details.
void VxTraceLevel(int level, const char* fmt, ...) __attribute__((format(printf, 2, 3)));

// Blocks the caller for the given time, measured on a monotonic clock.
void DelayTime(unsigned int milliseconds);

// Hex text to bytes: byte i is (16 * h + l) mod 256 of the text's characters 2i and 2i + 1,
// where a hex digit has its value and any other character, or a position past the end of
// the text, counts as 255.
void VxHexTextToBytes(const char* text, unsigned char* bytes, int count);
