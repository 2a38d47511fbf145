/* iconv for MinGW over MultiByteToWideChar and WideCharToMultiByte.
 *
 * libmdb converts Jet 4 text from UCS-2LE and Jet 3 text from the code page
 * the file names (CP<n>, WINDOWS-<n>, IBM<n>, ISO-8859-<n> and a few other
 * names, see mdb_iconv_name_from_code_page in its iconv.c) into UTF-8, and
 * back when it searches or writes. It converts as iconv does: one character
 * after another, stopping at one it cannot convert (EILSEQ: it then writes a
 * '?' and steps over it), at a character cut off at the end (EINVAL), or where
 * the output is full (E2BIG); a character is taken whole or not at all. */
#include "iconv.h"

#include <windows.h>

#include <errno.h>
#include <stdlib.h>
#include <string.h>

enum { kUtf16Le = 1200, kNoCharacter = 0xFFFF };

struct Converter {
    UINT from, to;
    /* A single-byte source code page, as a table: kNoCharacter where a byte
     * stands for no character. */
    int singleByte;
    WCHAR bytes[256];
};

static int startsWith(const char* name, const char* prefix, const char** rest)
{
    const size_t length = strlen(prefix);
    if (_strnicmp(name, prefix, length) != 0)
        return 0;
    *rest = name + length;
    return 1;
}

/* The Windows code page an iconv name stands for; 0 for none Windows has. */
static UINT codePageNamed(const char* name)
{
    static const struct {
        const char* name;
        UINT codePage;
    } kNames[] = {{"UTF-8", CP_UTF8}, {"UTF8", CP_UTF8}, {"UCS-2LE", kUtf16Le}, {"UTF-16LE", kUtf16Le},
                  {"SHIFT-JIS", 932}, {"BIG-5", 950},    {"BIG5-HKSCS", 951},   {"KOI8-R", 20866},
                  {"KOI8-U", 21866},  {"EUC-JP", 20932}, {"EUC-CN", 936},       {"EUC-KR", 51949}};
    static const struct {
        const char* prefix;
        UINT base;
    } kNumbered[] = {{"CP", 0}, {"WINDOWS-", 0}, {"IBM", 0}, {"ISO-8859-", 28590}};
    for (size_t i = 0; i < sizeof kNames / sizeof *kNames; ++i)
        if (_stricmp(name, kNames[i].name) == 0)
            return kNames[i].codePage;
    for (size_t i = 0; i < sizeof kNumbered / sizeof *kNumbered; ++i) {
        const char* digits;
        char* end;
        if (!startsWith(name, kNumbered[i].prefix, &digits) || *digits < '0' || *digits > '9')
            continue;
        const unsigned long number = strtoul(digits, &end, 10);
        if (*end == '\0' && number > 0 && number < 65536)
            return kNumbered[i].base + (UINT)number;
    }
    return 0;
}

static int usable(UINT codePage)
{
    return codePage == kUtf16Le || codePage == CP_UTF8 || (codePage != 0 && IsValidCodePage(codePage));
}

iconv_t iconv_open(const char* tocode, const char* fromcode)
{
    const UINT to = codePageNamed(tocode), from = codePageNamed(fromcode);
    if (!usable(to) || !usable(from)) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    struct Converter* c = calloc(1, sizeof *c);
    if (!c) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    c->from = from;
    c->to = to;
    CPINFO info;
    if (from != kUtf16Le && from != CP_UTF8 && GetCPInfo(from, &info) && info.MaxCharSize == 1) {
        c->singleByte = 1;
        for (int b = 0; b < 256; ++b) {
            const char byte = (char)b;
            if (MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, &byte, 1, &c->bytes[b], 1) != 1)
                c->bytes[b] = kNoCharacter;
        }
    }
    return c;
}

int iconv_close(iconv_t cd)
{
    if (cd == (iconv_t)-1) {
        errno = EBADF;
        return -1;
    }
    free(cd);
    return 0;
}

static int isHighSurrogate(WCHAR w)
{
    return w >= 0xD800 && w < 0xDC00;
}
static int isLowSurrogate(WCHAR w)
{
    return w >= 0xDC00 && w < 0xE000;
}

/* Reads the next character of `in` into wide (one or two UTF-16 units):
 * the bytes it took, or -EINVAL / -EILSEQ. */
static int decode(const struct Converter* c, const unsigned char* in, size_t left, WCHAR wide[2], int* units)
{
    if (c->from == kUtf16Le) {
        if (left < 2)
            return -EINVAL;
        wide[0] = (WCHAR)(in[0] | in[1] << 8);
        *units = 1;
        if (isLowSurrogate(wide[0]))
            return -EILSEQ;
        if (!isHighSurrogate(wide[0]))
            return 2;
        if (left < 4)
            return -EINVAL;
        wide[1] = (WCHAR)(in[2] | in[3] << 8);
        *units = 2;
        return isLowSurrogate(wide[1]) ? 4 : -EILSEQ;
    }
    if (c->singleByte) {
        wide[0] = c->bytes[in[0]];
        *units = 1;
        return wide[0] == kNoCharacter ? -EILSEQ : 1;
    }
    size_t length = 1;
    if (c->from == CP_UTF8)
        length = in[0] < 0x80 ? 1 : in[0] >= 0xF0 ? 4 : in[0] >= 0xE0 ? 3 : 2;
    else if (IsDBCSLeadByteEx(c->from, in[0]))
        length = 2;
    if (left < length)
        return -EINVAL;
    *units = MultiByteToWideChar(c->from, MB_ERR_INVALID_CHARS, (const char*)in, (int)length, wide, 2);
    return *units > 0 ? (int)length : -EILSEQ;
}

/* Writes wide in the target encoding into out: the bytes it took, 0 if
 * there is no room, or -EILSEQ. */
static int encode(const struct Converter* c, const WCHAR wide[2], int units, unsigned char* out, size_t room)
{
    if (c->to == kUtf16Le) {
        if (room < (size_t)units * 2)
            return 0;
        for (int i = 0; i < units; ++i) {
            out[2 * i] = (unsigned char)(wide[i] & 0xFF);
            out[2 * i + 1] = (unsigned char)(wide[i] >> 8);
        }
        return units * 2;
    }
    if (c->to == CP_UTF8) {
        /* Written here: the common case, where a Windows call per character would cost most of the time. */
        const unsigned long code =
            units == 2 ? 0x10000 + ((unsigned long)(wide[0] - 0xD800) << 10) + (wide[1] - 0xDC00) : wide[0];
        const int length = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        if (room < (size_t)length)
            return 0;
        static const unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
        for (int i = length - 1; i > 0; --i)
            out[i] = (unsigned char)(0x80 | ((code >> (6 * (length - 1 - i))) & 0x3F));
        out[0] = (unsigned char)(length == 1 ? code : kLead[length] | (code >> (6 * (length - 1))));
        return length;
    }
    char bytes[8];
    BOOL stoodIn = FALSE;
    const int length =
        WideCharToMultiByte(c->to, WC_NO_BEST_FIT_CHARS, wide, units, bytes, sizeof bytes, NULL, &stoodIn);
    if (length <= 0 || stoodIn)
        return -EILSEQ;
    if (room < (size_t)length)
        return 0;
    memcpy(out, bytes, (size_t)length);
    return length;
}

size_t iconv(iconv_t cd, char** inbuf, size_t* inbytesleft, char** outbuf, size_t* outbytesleft)
{
    if (cd == (iconv_t)-1) {
        errno = EBADF;
        return (size_t)-1;
    }
    if (!inbuf || !*inbuf)
        return 0; /* no shift state to reset */
    const struct Converter* c = cd;
    while (*inbytesleft > 0) {
        WCHAR wide[2];
        int units = 0;
        const int taken = decode(c, (const unsigned char*)*inbuf, *inbytesleft, wide, &units);
        if (taken < 0) {
            errno = -taken;
            return (size_t)-1;
        }
        const int written = encode(c, wide, units, (unsigned char*)*outbuf, *outbytesleft);
        if (written <= 0) {
            errno = written == 0 ? E2BIG : EILSEQ;
            return (size_t)-1;
        }
        *inbuf += taken;
        *inbytesleft -= (size_t)taken;
        *outbuf += written;
        *outbytesleft -= (size_t)written;
    }
    return 0;
}
