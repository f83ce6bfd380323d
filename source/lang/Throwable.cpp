#include "lang/Throwable.h"

namespace lang {

Throwable::Throwable(const Format& format) : m_format(format), m_message(format.toString()) {}

Throwable::~Throwable() = default;

} // namespace lang
