#include "renderer/gl2/QuadBatch.h"

#include "renderer/gl2/Gl2Shader.h"

#include <cstddef>

namespace gr::gl2 {

QuadBatch::QuadBatch() {
    glGenBuffers(1, &m_vertexBuffer);
    glGenBuffers(1, &m_indexBuffer);
}

QuadBatch::~QuadBatch() {
    glDeleteBuffers(1, &m_vertexBuffer);
    glDeleteBuffers(1, &m_indexBuffer);
}

void QuadBatch::add(const Vertex& topLeft, const Vertex& topRight, const Vertex& bottomLeft,
                    const Vertex& bottomRight) {
    m_vertices.push_back(topLeft);
    m_vertices.push_back(topRight);
    m_vertices.push_back(bottomLeft);
    m_vertices.push_back(bottomRight);
}

void QuadBatch::draw() {
    const std::size_t quadCount = m_vertices.size() / 4;
    if (quadCount == 0)
        return;
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_indexBuffer);
    if (quadCount > m_indexedQuads) {
        // Two triangles per quad; the index list only ever grows.
        std::vector<GLuint> indices;
        indices.reserve(quadCount * 6);
        for (GLuint quad = 0; quad < quadCount; ++quad) {
            const GLuint first = quad * 4;
            for (GLuint corner : {0u, 1u, 2u, 2u, 1u, 3u})
                indices.push_back(first + corner);
        }
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(GLuint)), indices.data(),
                     GL_STATIC_DRAW);
        m_indexedQuads = quadCount;
    }
    glBindBuffer(GL_ARRAY_BUFFER, m_vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(m_vertices.size() * sizeof(Vertex)), m_vertices.data(),
                 GL_STREAM_DRAW);
    glEnableVertexAttribArray(Gl2Shader::kPositionAttribute);
    glEnableVertexAttribArray(Gl2Shader::kTexCoordAttribute);
    glEnableVertexAttribArray(Gl2Shader::kSecondTexCoordAttribute);
    glEnableVertexAttribArray(Gl2Shader::kColourAttribute);
    glVertexAttribPointer(Gl2Shader::kPositionAttribute, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, x)));
    glVertexAttribPointer(Gl2Shader::kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, u)));
    glVertexAttribPointer(Gl2Shader::kSecondTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, u1)));
    glVertexAttribPointer(Gl2Shader::kColourAttribute, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, rgba)));
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(quadCount * 6), GL_UNSIGNED_INT, nullptr);
    m_vertices.clear();
}

} // namespace gr::gl2
