#include "lang/Converter.h"

namespace lang {

Converter::~Converter() = default;

} // namespace lang
