// Compile-time proof that the project's Direct3D 8 declarations have the ABI of
// the toolchain's own headers: every interface slot (position and signature),
// every structure (size, alignment, field offsets and field types), every
// enumerator and every constant. Any difference is a compile error.
//
// The project's declarations come first: the platform headers define many of
// the same names as macros, which must not reach the project's headers.
#include "platform/d3d8_api.h"

#include <cstddef>
#include <type_traits>

// The project's constants, captured before the platform's macros exist.
#define CAPTURE_CONSTANT(type, name, value) constexpr auto ours_##name = d3d8::name;
D3D8_CONSTANTS(CAPTURE_CONSTANT)
#undef CAPTURE_CONSTANT

// The project's method signatures, captured while their type names still mean
// the project's types: result first, then the parameters.
template <class... T> struct TypeList {};
namespace d3d8::signatures {
#define CAPTURE_SIGNATURE(result, name, ...) using name = TypeList<result D3D8_COMMA_TYPES(__VA_ARGS__)>;
#define CAPTURE_INTERFACE(name, base, own, all) namespace name##_methods { all(CAPTURE_SIGNATURE) }
D3D8_INTERFACES(CAPTURE_INTERFACE)
#undef CAPTURE_INTERFACE
#undef CAPTURE_SIGNATURE
}  // namespace d3d8::signatures
using OursREFIID = d3d8::REFIID;
using OursREFGUID = d3d8::REFGUID;

#define CINTERFACE
#include <d3d8.h>

namespace {

// Maps a type spelled with the project's declarations to the same type spelled
// with the platform's, so that signatures and field types can be compared.
template <class T> struct Sdk { using type = T; };
template <class T> using SdkT = typename Sdk<T>::type;
template <class T> struct Sdk<T*> { using type = SdkT<T>*; };
template <class T> struct Sdk<const T> { using type = const SdkT<T>; };
template <class T> struct Sdk<T&> { using type = SdkT<T>&; };
template <class T, std::size_t N> struct Sdk<T[N]> { using type = SdkT<T>[N]; };
template <class T, std::size_t N> struct Sdk<const T[N]> { using type = const SdkT<T>[N]; };

#define MAP_TYPE(name, ...) template <> struct Sdk<d3d8::name> { using type = ::name; };
D3D8_STRUCTS(MAP_TYPE)
D3D8_ENUMS(MAP_TYPE)
D3D8_INTERFACES(MAP_TYPE)
D3D8_OPAQUE_INTERFACES(MAP_TYPE)
MAP_TYPE(D3DMATRIX)
MAP_TYPE(GUID)
MAP_TYPE(LARGE_INTEGER)
MAP_TYPE(HWND__)
MAP_TYPE(HMONITOR__)
#undef MAP_TYPE

template <class A, class B> constexpr bool sameLayout() {
    return sizeof(A) == sizeof(B) && alignof(A) == alignof(B);
}

// Base types.
static_assert(std::is_same_v<d3d8::DWORD, ::DWORD>);
static_assert(std::is_same_v<d3d8::LONG, ::LONG>);
static_assert(std::is_same_v<d3d8::ULONG, ::ULONG>);
static_assert(std::is_same_v<d3d8::HRESULT, ::HRESULT>);
static_assert(std::is_same_v<d3d8::UINT, ::UINT>);
static_assert(std::is_same_v<d3d8::INT, ::INT>);
static_assert(std::is_same_v<d3d8::BOOL, ::BOOL>);
static_assert(std::is_same_v<d3d8::BYTE, ::BYTE>);
static_assert(std::is_same_v<d3d8::WORD, ::WORD>);
static_assert(std::is_same_v<d3d8::D3DCOLOR, ::D3DCOLOR>);
static_assert(std::is_same_v<SdkT<d3d8::HWND>, ::HWND>);
static_assert(std::is_same_v<SdkT<d3d8::HMONITOR>, ::HMONITOR>);
static_assert(std::is_same_v<SdkT<OursREFIID>, REFIID>);
static_assert(std::is_same_v<SdkT<OursREFGUID>, REFGUID>);
static_assert(sameLayout<d3d8::GUID, ::GUID>());
static_assert(sameLayout<d3d8::LARGE_INTEGER, ::LARGE_INTEGER>());
static_assert(offsetof(d3d8::LARGE_INTEGER, QuadPart) == offsetof(::LARGE_INTEGER, QuadPart));

// Structures.
#define CHECK_FIELD(type, name, extent)                                                     \
    static_assert(offsetof(Ours, name) == offsetof(Theirs, name), "offset of " #name);      \
    static_assert(std::is_same_v<SdkT<decltype(Ours::name)>, decltype(Theirs::name)>,      \
                  "type of " #name);
#define CHECK_STRUCT(name)                                                                  \
    namespace check_##name {                                                                \
    using Ours = d3d8::name;                                                                \
    using Theirs = ::name;                                                                  \
    static_assert(sameLayout<Ours, Theirs>(), "size or alignment of " #name);              \
    D3D8_STRUCT_##name(CHECK_FIELD)                                                         \
    }
D3D8_STRUCTS(CHECK_STRUCT)
#undef CHECK_STRUCT

namespace check_D3DMATRIX {
using Ours = d3d8::D3DMATRIX;
using Theirs = ::D3DMATRIX;
static_assert(sameLayout<Ours, Theirs>());
#define MATRIX_FIELDS(F)                                                                     \
    F(, _11, ) F(, _12, ) F(, _13, ) F(, _14, ) F(, _21, ) F(, _22, ) F(, _23, ) F(, _24, )  \
    F(, _31, ) F(, _32, ) F(, _33, ) F(, _34, ) F(, _41, ) F(, _42, ) F(, _43, ) F(, _44, ) F(, m, )
MATRIX_FIELDS(CHECK_FIELD)
}  // namespace check_D3DMATRIX
#undef CHECK_FIELD

// Enumerations: width and every value.
#define CHECK_ENUMERATOR(name, value) static_assert(d3d8::name == static_cast<long long>(::name), #name);
#define CHECK_ENUM(name)                                                                    \
    static_assert(sameLayout<d3d8::name, ::name>(), "size of " #name);                      \
    D3D8_ENUM_##name(CHECK_ENUMERATOR)
D3D8_ENUMS(CHECK_ENUM)
#undef CHECK_ENUM
#undef CHECK_ENUMERATOR

// Constants, against the platform's macros.
#define CHECK_CONSTANT(type, name, value)                                                   \
    static_assert(static_cast<long long>(ours_##name) == static_cast<long long>(name), #name);
D3D8_CONSTANTS(CHECK_CONSTANT)
#undef CHECK_CONSTANT

// Interfaces: the platform's C view of each interface is a table of function
// pointers taking the object first. Every method of the project's table must sit
// at the same slot with the same signature, and the tables must be equally long.
template <class This, class Signature> struct CFunction;
template <class This, class Result, class... Params>
struct CFunction<This, TypeList<Result, Params...>> {
    using type = SdkT<Result>(STDMETHODCALLTYPE*)(This*, SdkT<Params>...);
};

#define SLOT_ENUMERATOR(result, name, ...) slot_##name,
#define CHECK_METHOD(result, name, ...)                                                     \
    static_assert(offsetof(Vtbl, name) == slot_##name * sizeof(void*), "slot of " #name);   \
    static_assert(std::is_same_v<decltype(Vtbl::name),                                      \
                                 typename CFunction<Theirs, Signatures::name>::type>,       \
                  "signature of " #name);
#define CHECK_INTERFACE(name, base, own, all)                                              \
    namespace check_##name {                                                                \
    namespace Signatures = d3d8::signatures::name##_methods;                                         \
    using Theirs = ::name;                                                                  \
    using Vtbl = ::name##Vtbl;                                                              \
    enum Slot { all(SLOT_ENUMERATOR) slotCount };                                           \
    static_assert(sizeof(Vtbl) == slotCount * sizeof(void*), "method count of " #name);     \
    all(CHECK_METHOD)                                                                       \
    }
D3D8_INTERFACES(CHECK_INTERFACE)

}  // namespace

int main() { return 0; }
