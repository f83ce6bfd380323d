#pragma once

#include <string>
#include <string_view>

namespace io {

/// A URI split into its parts: "scheme://userInfo@host:port/path?query#fragment".
///
/// Parsing never fails. The scheme is what stands before a colon that comes before any
/// slash; a text without one (a plain or virtual path) has no scheme and is all path. A
/// scheme without "//" after it makes an opaque URI ("file:x.dat"), whose path is empty:
/// use the scheme-specific part instead.
class Uri {
public:
    /// An empty URI: no scheme, empty path.
    Uri() = default;
    /// Parses `text`.
    explicit Uri(std::string_view text);

    /// The text parsed.
    const std::string& toString() const { return m_text; }
    /// The scheme, as written (not lower-cased); empty without one.
    const std::string& getScheme() const { return m_scheme; }
    /// Everything between "//" and the next slash.
    const std::string& getAuthority() const { return m_authority; }
    /// The part of the authority before an at sign.
    const std::string& getUserInfo() const { return m_userInfo; }
    /// The host name of the authority.
    const std::string& getHost() const { return m_host; }
    /// The port of the authority; -1 when absent, not all digits or too large.
    int getPort() const { return m_port; }
    /// The path; "/C:/x.dat" for "file:///C:/x.dat".
    const std::string& getPath() const { return m_path; }
    /// The text after the question mark, up to a number sign.
    const std::string& getQuery() const { return m_query; }
    /// The text after the number sign.
    const std::string& getFragment() const { return m_fragment; }
    /// The text between the scheme's colon and the first question mark or number sign.
    const std::string& getSchemeSpecificPart() const { return m_schemeSpecificPart; }
    /// True when the text names a scheme (even an empty one, as in ":x").
    bool hasScheme() const { return m_hasScheme; }
    /// True for a URI with a scheme but without "//" after it.
    bool isOpaque() const { return m_opaque; }

private:
    void parseAuthority();

    std::string m_text;
    std::string m_scheme;
    std::string m_authority;
    std::string m_userInfo;
    std::string m_host;
    int m_port = -1;
    std::string m_path;
    std::string m_query;
    std::string m_fragment;
    std::string m_schemeSpecificPart;
    bool m_hasScheme = false;
    bool m_opaque = false;
};

} // namespace io
