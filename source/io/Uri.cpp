#include "io/Uri.h"

#include <climits>

namespace io {

namespace {

/// The number written in `digits`, or -1 unless it is all digits and fits an int.
int parsePort(std::string_view digits) {
    if (digits.empty())
        return -1;
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return -1;
    }
    return static_cast<int>(value);
}

} // namespace

Uri::Uri(std::string_view text) : m_text(text) {
    const size_t mark = text.find_first_of(":/");
    std::string_view rest = text;
    if (mark != std::string_view::npos && text[mark] == ':') {
        m_scheme = text.substr(0, mark);
        m_hasScheme = true;
        rest = text.substr(mark + 1);
    }

    const size_t specificEnd = rest.find_first_of("?#");
    const std::string_view specific = rest.substr(0, specificEnd);
    m_schemeSpecificPart = specific;
    if (specificEnd != std::string_view::npos) {
        std::string_view tail = rest.substr(specificEnd);
        if (tail.front() == '?') {
            const size_t hash = tail.find('#');
            m_query = tail.substr(1, hash == std::string_view::npos ? std::string_view::npos : hash - 1);
            tail = hash == std::string_view::npos ? std::string_view() : tail.substr(hash);
        }
        if (!tail.empty())
            m_fragment = tail.substr(1);
    }

    if (specific.size() > 2 && specific.starts_with("//")) {
        const size_t slash = specific.find('/', 2);
        m_authority = specific.substr(2, slash == std::string_view::npos ? std::string_view::npos : slash - 2);
        if (slash != std::string_view::npos)
            m_path = specific.substr(slash);
        parseAuthority();
    } else if (m_hasScheme) {
        m_opaque = true;
    } else {
        m_path = specific;
    }
}

void Uri::parseAuthority() {
    std::string_view server = m_authority;
    const size_t at = server.find('@');
    if (at != std::string_view::npos) {
        m_userInfo = server.substr(0, at);
        server.remove_prefix(at + 1);
    }
    const size_t hostEnd = server.find_first_of(":/?#[]@");
    m_host = server.substr(0, hostEnd);
    if (hostEnd != std::string_view::npos && server[hostEnd] == ':')
        m_port = parsePort(server.substr(hostEnd + 1));
}

} // namespace io
