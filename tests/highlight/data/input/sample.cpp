// Shape registry
#include <iostream>
#include "shape.h"
#define HOME "http://example.com" // the home page
#define SQUARE(x) ((x) * (x)) \
    /* continued */
#if defined(_WIN32) && !defined(NDEBUG)
#  pragma once
#endif

/* A block comment
   over two lines */
namespace geo {

template <typename T>
concept Numeric = std::is_arithmetic_v<T>;

constexpr unsigned long long kMask = 0xFFFF'0000ull;
constexpr int kOctal = 0755, kBinary = 0b1010'1010, kBig = 1'000'000;
constexpr double kPi = 3.141'592e0, kHalf = .5f;

struct Point {
    double x = 0.0, y = 0.0;
    auto operator<=>(const Point&) const = default;
};

consteval int twice(int v) { return v * 2; }

co_await_ignored;
char8_t c = u8'a';
const wchar_t* w = L"wide \"quoted\" text";
const char* raw = R"json({"key": "value)"})json";
const char* multi = R"(first line
second line)";
char nl = '\n', quote = '\'';
int illegal = 1 @ 2;

} // namespace geo

void fast() {
    __asm {
        mov eax, 1 ; comment
    }
}
// Комментарий по-русски
