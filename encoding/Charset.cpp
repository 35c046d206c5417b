#include "encoding/Charset.h"

namespace velmar {

const char* HeaderCharsetForCodePage(unsigned codePage) {
    switch (codePage) {
    case 1252:
    case 874:
    case 936:
    case 949:
    case 950:
    case 1361: return "ISO-8859-1";
    case 1250: return "ISO-8859-2";
    case 1251: return "ISO-8859-5";
    case 1253: return "ISO-8859-7";
    case 1254: return "ISO-8859-9";
    case 1255: return "ISO-8859-8";
    case 1256: return "ISO-8859-6";
    case 1257: return "ISO-8859-4";
    case 932: return "ISO-2022-JP";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

const char* CharsetForCodePage(unsigned codePage) {
    const char* name = HeaderCharsetForCodePage(codePage);
    return name != nullptr ? name : "us-ascii";
}

bool IsLeadByte(unsigned codePage, unsigned char c) {
    switch (codePage) {
    case 932: return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    case 936:
    case 949:
    case 950: return c >= 0x81 && c <= 0xFE;
    case 1361: return (c >= 0x84 && c <= 0xD3) || (c >= 0xD8 && c <= 0xDE) || (c >= 0xE0 && c <= 0xF9);
    default: return false;
    }
}

}  // namespace velmar
