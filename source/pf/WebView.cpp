#include "WebView.h"

#include "WebViewListener.h"

namespace pf {

WebView::WebView(float, float, float, float, bool) {}

void WebView::open(const std::string&) { answer(); }

void WebView::close() { answer(); }

void WebView::answer() {
    if (m_listener)
        m_listener->webViewNotification(0, "");
}

} // namespace pf
