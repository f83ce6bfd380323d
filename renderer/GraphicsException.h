#pragma once

#include "lang/Exception.h"

namespace gr {

/// Raised by the renderer modules and the module loader. Its type information lives in the
/// shared renderer library, so a module that throws and a host that catches agree on it.
class GraphicsException : public lang::Exception {
public:
    using Exception::Exception;
    ~GraphicsException() override;
};

} // namespace gr
