// The Windows base types that the Direct3D 8 interfaces use. On Windows they
// are the platform's own integer types (DWORD is unsigned long there); the
// native build gives them the same sizes with fixed-width integers.
#pragma once

#include <cstdint>

namespace d3d8 {

#if defined(_WIN32)
typedef unsigned long DWORD;
typedef long LONG;
typedef unsigned long ULONG;
#else
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
#endif
typedef long long LONGLONG;
typedef LONG HRESULT;
typedef unsigned int UINT;
typedef int INT;
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef DWORD D3DCOLOR;

struct HWND__;
typedef HWND__* HWND;
struct HMONITOR__;
typedef HMONITOR__* HMONITOR;

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};
typedef GUID IID;
typedef const GUID& REFGUID;
typedef const IID& REFIID;

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart;
};




}  // namespace d3d8
