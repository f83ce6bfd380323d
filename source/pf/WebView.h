#pragma once

#include <string>

namespace pf {

class WebViewListener;

/// A web page shown inside the game's window. The desktop build embeds no browser: the view
/// shows nothing and answers every request at once. Game thread only.
class WebView {
public:
    /// A view for the rectangle (x, y, width, height), pixels; `transparent` asks for a see-through
    /// background. Nothing is displayed.
    WebView(float x, float y, float width, float height, bool transparent);

    /// `listener` (not owned, may be null) hears the view's notifications from now on.
    void setListener(WebViewListener* listener) { m_listener = listener; }
    /// Would show the page at `address`: tells the listener (0, "") at once.
    void open(const std::string& address);
    /// Would hide the view: tells the listener (0, "") at once.
    void close();

private:
    void answer();

    WebViewListener* m_listener = nullptr;
};

} // namespace pf
