#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"

#include <string>
#include <utility>

namespace gr {

class Image;

/// A shader program of the renderer, known by name, with named parameters. Counted; made by
/// the graphics context's `loadShader` and valid only while that context lives.
///
/// Parameters keep their values until set again and apply to every quad drawn with the
/// program from then on. A name the program does not use is ignored (the compiler drops unused
/// parameters, so this is not an error). The context itself sets "PROJTM" (the projection
/// matrix) and binds the texture of each quad to "BASEMAP".
class Shader : public lang::Object {
public:
    explicit Shader(std::string name) : m_name(std::move(name)) {}
    ~Shader() override;

    /// The name the program was loaded under, e.g. "2d-sprite".
    const std::string& name() const { return m_name; }

    /// Sets a float parameter such as "ALPHA_FACTOR".
    virtual void setFloat(const std::string& parameter, float value) = 0;
    /// Binds `image` to a sampler parameter such as "BASEMAP1"; null unbinds it.
    virtual void setTexture(const std::string& parameter, lang::Ref<Image> image) = 0;

private:
    std::string m_name;
};

} // namespace gr
