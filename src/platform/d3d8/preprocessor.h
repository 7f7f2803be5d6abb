// Macro helpers that turn the method tables in interfaces.h into declarations,
// argument lists and type lists. A parameter is written as a pair: (type, name).
#pragma once

#define D3D8_PARENS ()
#define D3D8_EXPAND(...) D3D8_EXPAND3(D3D8_EXPAND3(D3D8_EXPAND3(D3D8_EXPAND3(__VA_ARGS__))))
#define D3D8_EXPAND3(...) D3D8_EXPAND2(D3D8_EXPAND2(D3D8_EXPAND2(D3D8_EXPAND2(__VA_ARGS__))))
#define D3D8_EXPAND2(...) D3D8_EXPAND1(D3D8_EXPAND1(D3D8_EXPAND1(D3D8_EXPAND1(__VA_ARGS__))))
#define D3D8_EXPAND1(...) __VA_ARGS__

// D3D8_LIST(m, a, b, c) -> m(a), m(b), m(c)
#define D3D8_LIST(m, ...) __VA_OPT__(D3D8_EXPAND(D3D8_LIST_STEP(m, __VA_ARGS__)))
#define D3D8_LIST_STEP(m, first, ...) m(first) __VA_OPT__(, D3D8_LIST_AGAIN D3D8_PARENS(m, __VA_ARGS__))
#define D3D8_LIST_AGAIN() D3D8_LIST_STEP

#define D3D8_PAIR_DECL(p) D3D8_PAIR_DECL_ p
#define D3D8_PAIR_DECL_(type, name) type name
#define D3D8_PAIR_NAME(p) D3D8_PAIR_NAME_ p
#define D3D8_PAIR_NAME_(type, name) name
#define D3D8_PAIR_TYPE(p) D3D8_PAIR_TYPE_ p
#define D3D8_PAIR_TYPE_(type, name) type

// "Type1 a, Type2 b", "a, b" and "Type1, Type2" from a list of pairs.
#define D3D8_PARAMS(...) D3D8_LIST(D3D8_PAIR_DECL, __VA_ARGS__)
#define D3D8_ARGS(...) D3D8_LIST(D3D8_PAIR_NAME, __VA_ARGS__)
#define D3D8_TYPES(...) D3D8_LIST(D3D8_PAIR_TYPE, __VA_ARGS__)

// ", a, b" or nothing: for argument lists that already have a leading element.
#define D3D8_COMMA_ARGS(...) __VA_OPT__(, D3D8_ARGS(__VA_ARGS__))
#define D3D8_COMMA_TYPES(...) __VA_OPT__(, D3D8_TYPES(__VA_ARGS__))

// COM methods use the stdcall convention on 32-bit Windows; elsewhere the
// platform's one convention applies.
#if defined(_WIN32) && !defined(_WIN64)
#define D3D8_CALL __stdcall
#else
#define D3D8_CALL
#endif
