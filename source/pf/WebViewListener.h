#pragma once

#include <string>

namespace pf {

/// Hears what a web view did.
class WebViewListener {
public:
    virtual ~WebViewListener() = default;
    /// The view reports `code` with `text` (UTF-8); a desktop view reports 0 and "" when it was
    /// asked to open or close.
    virtual void webViewNotification(int code, const std::string& text) = 0;
};

} // namespace pf
