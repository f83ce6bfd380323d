#pragma once

#include "lang/Ref.h"
#include "renderer/Shader.h"
#include "renderer/gl2/Gl.h"

#include <functional>
#include <map>
#include <string>

namespace gr::gl2 {

class Gl2Image;

/// A linked GLSL 1.20 program with its parameter values.
///
/// Vertex attributes are bound by name: "POSITION" (vec2, pixels), "TEXCOORD0" (vec2),
/// "TEXCOORD1" (vec2, the second set of coordinates) and "COLOR" (vec4, premultiplied). Uniforms: "PROJTM" (mat4) is
/// set on every draw, the quad's texture goes to the sampler "BASEMAP" on unit 0, textures set as parameters take units
/// 1 up.
class Gl2Shader : public Shader {
public:
    static constexpr GLuint kPositionAttribute = 0;
    static constexpr GLuint kTexCoordAttribute = 1;
    static constexpr GLuint kColourAttribute = 2;
    static constexpr GLuint kSecondTexCoordAttribute = 3;

    /// Compiles and links `vertexSource` and `fragmentSource`; `files` names them in errors.
    /// `beforeChange` is called before any parameter changes, so that quads already queued
    /// with the old values are drawn first. Throws `gr::GraphicsException`.
    Gl2Shader(std::string name, const std::string& files, const std::string& vertexSource,
              const std::string& fragmentSource, std::function<void(const Gl2Shader&)> beforeChange);
    ~Gl2Shader() override;

    void setFloat(const std::string& parameter, float value) override;
    void setTexture(const std::string& parameter, lang::Ref<Image> image) override;

    /// Makes the program current with `projection` (column-major 4x4) and every parameter.
    void bind(const float* projection) const;
    /// Stops calling the change hook (its owner is going away).
    void detach() { m_beforeChange = nullptr; }

private:
    void changing() const;

    GLuint m_program = 0;
    std::function<void(const Gl2Shader&)> m_beforeChange;
    std::map<std::string, float> m_floats;
    std::map<std::string, lang::Ref<Image>> m_textures;
};

} // namespace gr::gl2
