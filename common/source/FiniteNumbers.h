#pragma once

#include <initializer_list>

/// Raises `lang::Exception` naming `native` when any of `values` is NaN or infinite: Box2D has no
/// defence against them, and one such number poisons every body it touches.
void requireFinite(const char* native, std::initializer_list<float> values);

/// Raises `lang::Exception` naming `native` when any of `values` is negative or NaN: Box2D asserts
/// on negative densities, a negative damping can divide by zero, and a negative friction mixes
/// with a positive one into NaN.
void requireNotNegative(const char* native, std::initializer_list<float> values);
