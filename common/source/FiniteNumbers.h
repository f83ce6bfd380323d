#pragma once

#include <initializer_list>

/// Raises `lang::Exception` naming `native` when any of `values` is NaN or infinite: Box2D has no
/// defence against them, and one such number poisons every body it touches.
void requireFinite(const char* native, std::initializer_list<float> values);
