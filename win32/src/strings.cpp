// Byte-string helpers of KERNEL32 and USER32: comparisons, copies and double-byte stepping.
#include <windows.h>

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

int sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

}  // namespace

extern "C" {

// The platform compares linguistically; for the equality tests callers make, an ordinal comparison
// with the same sign convention gives the same answers. NULL sorts before every string.
int WINAPI lstrcmpA(LPCSTR a, LPCSTR b) {
    if (!a || !b) return a ? 1 : (b ? -1 : 0);
    return sign(std::strcmp(a, b));
}

int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b) {
    if (!a || !b) return a ? 1 : (b ? -1 : 0);
    for (;; ++a, ++b) {
        int ca = std::tolower((unsigned char)*a), cb = std::tolower((unsigned char)*b);
        if (ca != cb || !ca) return sign(ca - cb);
    }
}

int WINAPI lstrlenA(LPCSTR text) { return text ? (int)std::strlen(text) : 0; }

LPSTR WINAPI lstrcpyA(LPSTR dst, LPCSTR src) {
    if (!dst || !src) return nullptr;
    return std::strcpy(dst, src);
}

// Copies at most max - 1 bytes and always terminates, like the platform's.
LPSTR WINAPI lstrcpynA(LPSTR dst, LPCSTR src, int max) {
    if (!dst || !src || max <= 0) return dst;
    int i = 0;
    for (; i < max - 1 && src[i]; ++i) dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

LPSTR WINAPI lstrcatA(LPSTR dst, LPCSTR src) {
    if (!dst || !src) return nullptr;
    return std::strcat(dst, src);
}

LPSTR WINAPI CharNextA(LPCSTR current) {
    if (!current || !*current) return (LPSTR)current;
    if (IsDBCSLeadByte((BYTE)current[0]) && current[1]) return (LPSTR)(current + 2);
    return (LPSTR)(current + 1);
}

LPSTR WINAPI CharPrevA(LPCSTR start, LPCSTR current) {
    if (!start || !current || current <= start) return (LPSTR)start;
    // Walk forward from the start: a lead byte can only be recognised in sequence.
    LPCSTR p = start, prev = start;
    while (p < current) {
        prev = p;
        LPCSTR next = CharNextA(p);
        if (next == p) break;
        p = next;
    }
    return (LPSTR)prev;
}

LPSTR WINAPI CharUpperA(LPSTR text) {
    if (IS_INTRESOURCE(text)) return (LPSTR)(ULONG_PTR)std::toupper((int)(ULONG_PTR)text);
    for (char* p = text; *p; p = CharNextA(p))
        if (!IsDBCSLeadByte((BYTE)*p)) *p = (char)std::toupper((unsigned char)*p);
    return text;
}

LPSTR WINAPI CharLowerA(LPSTR text) {
    if (IS_INTRESOURCE(text)) return (LPSTR)(ULONG_PTR)std::tolower((int)(ULONG_PTR)text);
    for (char* p = text; *p; p = CharNextA(p))
        if (!IsDBCSLeadByte((BYTE)*p)) *p = (char)std::tolower((unsigned char)*p);
    return text;
}

// The platform's wsprintf writes at most 1024 bytes.
int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, 1024, format, args);
    va_end(args);
    return n < 0 ? 0 : (n > 1023 ? 1023 : n);
}

}  // extern "C"
