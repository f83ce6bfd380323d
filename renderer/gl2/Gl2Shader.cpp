#include "renderer/gl2/Gl2Shader.h"

#include "renderer/GraphicsException.h"
#include "renderer/gl2/Gl2Image.h"

#include <vector>

namespace gr::gl2 {
namespace {

std::string infoLog(GLuint object, bool program) {
    GLint length = 0;
    program ? glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length) : glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
    program ? glGetProgramInfoLog(object, length, nullptr, log.data())
            : glGetShaderInfoLog(object, length, nullptr, log.data());
    return log.data();
}

GLuint compile(GLenum type, const std::string& source, const std::string& files) {
    const GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        const std::string log = infoLog(shader, false);
        glDeleteShader(shader);
        throw GraphicsException(lang::Format("Failed to compile shader {0}: {1}", files, log));
    }
    return shader;
}

} // namespace

Gl2Shader::Gl2Shader(std::string name, const std::string& files, const std::string& vertexSource,
                     const std::string& fragmentSource, std::function<void(const Gl2Shader&)> beforeChange)
    : Shader(std::move(name)), m_beforeChange(std::move(beforeChange)) {
    const GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource, files);
    GLuint fragment = 0;
    try {
        fragment = compile(GL_FRAGMENT_SHADER, fragmentSource, files);
    } catch (...) {
        glDeleteShader(vertex);
        throw;
    }
    m_program = glCreateProgram();
    glAttachShader(m_program, vertex);
    glAttachShader(m_program, fragment);
    glBindAttribLocation(m_program, kPositionAttribute, "POSITION");
    glBindAttribLocation(m_program, kTexCoordAttribute, "TEXCOORD0");
    glBindAttribLocation(m_program, kColourAttribute, "COLOR");
    glBindAttribLocation(m_program, kSecondTexCoordAttribute, "TEXCOORD1");
    glLinkProgram(m_program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = GL_FALSE;
    glGetProgramiv(m_program, GL_LINK_STATUS, &ok);
    if (!ok) {
        const std::string log = infoLog(m_program, true);
        glDeleteProgram(m_program);
        throw GraphicsException(lang::Format("Failed to link shader {0}: {1}", files, log));
    }
}

Gl2Shader::~Gl2Shader() { glDeleteProgram(m_program); }

void Gl2Shader::changing() const {
    if (m_beforeChange)
        m_beforeChange(*this);
}

void Gl2Shader::setFloat(const std::string& parameter, float value) {
    changing();
    m_floats[parameter] = value;
}

void Gl2Shader::setTexture(const std::string& parameter, lang::Ref<Image> image) {
    changing();
    if (image)
        m_textures[parameter] = std::move(image);
    else
        m_textures.erase(parameter);
}

void Gl2Shader::bind(const float* projection) const {
    glUseProgram(m_program);
    glUniformMatrix4fv(glGetUniformLocation(m_program, "PROJTM"), 1, GL_FALSE, projection);
    glUniform1i(glGetUniformLocation(m_program, "BASEMAP"), 0);
    for (const auto& [parameter, value] : m_floats)
        glUniform1f(glGetUniformLocation(m_program, parameter.c_str()), value);
    GLint unit = 1;
    for (const auto& [parameter, image] : m_textures) {
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, static_cast<const Gl2Image&>(*image).texture());
        glUniform1i(glGetUniformLocation(m_program, parameter.c_str()), unit);
        ++unit;
    }
    glActiveTexture(GL_TEXTURE0);
}

} // namespace gr::gl2
