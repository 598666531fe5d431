#pragma once

#include "platform/files/IByteSource.h"

#include <cstdint>
#include <vector>

// The platform's version-information functions, over our own reader of the
// resources of PE32, PE32+ and 16-bit NE files. Any other file (an ELF
// executable among them) has no version block.
namespace peglore {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;

// The fixed part of a version block, the value of its root ("\").
struct VS_FIXEDFILEINFO {
    DWORD dwSignature;  // 0xFEEF04BD
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};
static_assert(sizeof(VS_FIXEDFILEINFO) == 52);

// The buffer GetFileVersionInfoA fills, made from the bytes of an image;
// empty when it has no well-formed version block.
std::vector<BYTE> VersionInfoBlock(const IByteSource& image);

// The size of the buffer GetFileVersionInfoA needs for FILENAME's version
// block, or 0 when the file is missing, unreadable, not a regular file, or
// has no well-formed version block. *HANDLE (when given) is set to 0.
DWORD GetFileVersionInfoSizeA(const char* fileName, DWORD* handle);

// Fills DATA with FILENAME's version block: the block as stored, followed by
// what VerQueryValueA needs. HANDLE is ignored. Non-zero on success; 0, with
// DATA untouched, when there is no block or LENGTH is smaller than the size
// GetFileVersionInfoSizeA gives (a cut-off block could not be read safely).
BOOL GetFileVersionInfoA(const char* fileName, DWORD handle, DWORD length, void* data);

// Looks up SUBBLOCK in a buffer filled by GetFileVersionInfoA: "\" for the
// VS_FIXEDFILEINFO record, "\VarFileInfo\Translation" for the pairs of
// language and code page, "\StringFileInfo\<lang><cp>\<key>" for a text value.
// Keys are matched without regard to letter case. On success *VALUE points
// into BLOCK and *LENGTH holds the value's size: bytes for a binary value,
// characters with the ending zero for a text value, which is always
// zero-terminated 8-bit text (UTF-8 when the file stores UTF-16). Non-zero
// when the path exists.
BOOL VerQueryValueA(const void* block, const char* subBlock, void** value, UINT* length);

}  // namespace peglore
