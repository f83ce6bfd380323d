#pragma once

#include "renderer/gl2/Gl.h"

#include <cstdint>
#include <vector>

namespace gr::gl2 {

/// One corner of a quad as the shaders receive it.
struct Vertex {
    float x, y;           ///< pixels of the context
    float u, v;           ///< texture coordinates
    float u1, v1;         ///< second texture coordinates, for programs that sample two images
    std::uint8_t rgba[4]; ///< colour with premultiplied alpha
};

/// Quads waiting to be drawn with one program, texture and clip. The buffers grow to the
/// longest run seen, so a run of any length is one draw call.
class QuadBatch {
public:
    QuadBatch();
    ~QuadBatch();
    QuadBatch(const QuadBatch&) = delete;
    QuadBatch& operator=(const QuadBatch&) = delete;

    /// Queues a quad given by its corners top-left, top-right, bottom-left, bottom-right.
    void add(const Vertex& topLeft, const Vertex& topRight, const Vertex& bottomLeft, const Vertex& bottomRight);
    bool empty() const { return m_vertices.empty(); }
    int quads() const { return static_cast<int>(m_vertices.size() / 4); }
    /// Draws the queued quads with the program and texture bound now, in one call, and
    /// empties the queue.
    void draw();

private:
    std::vector<Vertex> m_vertices;
    GLuint m_vertexBuffer = 0;
    GLuint m_indexBuffer = 0;
    std::size_t m_indexedQuads = 0;
};

} // namespace gr::gl2
