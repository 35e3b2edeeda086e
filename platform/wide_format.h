// WideFormat: printf-style wide formatting with the device's meanings
// (%s and %c take wide characters, %S and %C narrow ones), written here so
// that it does not depend on which printf the C runtime links in.
// FormatTwoIntegers: formats a format that came from data (a screen
// definition), using only integer conversions; anything else is text.
#pragma once

#include <cstdarg>
#include <cstddef>

// Writes at most capacity - 1 characters and a terminator; returns the length
// of the full result (which may be more than was written).
int WideFormatV(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args);
int WideFormat(wchar_t* buffer, size_t capacity, const wchar_t* format, ...);

// Applies an untrusted format to the two integers first and second. Only %d,
// %i, %u, %x, %X and %o (with flags, a width and a precision given as digits)
// take an argument, at most two of them; every other conversion, a '*' and a
// third integer conversion are copied into the result as plain text, so no
// format can read anything but the two integers.
int FormatTwoIntegers(wchar_t* buffer, size_t capacity, const wchar_t* format, int first,
                      int second);
