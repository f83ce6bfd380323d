// Which proxy a request uses: the rule read from an injected environment, and the same rule
// seen through a real request.
#include "net/ProxySetting.h"
#include "LoopbackHttpServer.h"
#include "ScopedEnvironment.h"
#include "net/HttpRequest.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using testsupport::CannedResponse;
using testsupport::LoopbackHttpServer;

TEST(ProxySettingTest, TheSchemesVariablesDecideAndColonsMeanNoProxy) {
    using Environment = std::map<std::string, std::string>;
    const struct {
        std::string url;
        Environment environment;
        std::optional<std::string> proxy;
    } cases[] = {
        {"http://a/", {}, std::nullopt},
        {"http://a/", {{"http_proxy", "http://p:8080"}}, "http://p:8080"},
        {"HTTP://a/", {{"http_proxy", "http://p:8080"}}, "http://p:8080"},
        {"http://a/", {{"http_proxy", "::"}, {"all_proxy", "http://q:1"}}, ""},
        {"http://a/", {{"http_proxy", ":"}}, ""},
        {"http://a/", {{"HTTP_PROXY", "http://p:8080"}}, std::nullopt},
        {"http://a/", {{"http_proxy", ""}, {"ALL_PROXY", "http://q:1"}}, "http://q:1"},
        {"http://a/", {{"https_proxy", "http://s:1"}}, std::nullopt},
        {"https://a/", {{"HTTPS_PROXY", "http://s:1"}, {"http_proxy", "http://p:1"}}, "http://s:1"},
        {"https://a/", {{"https_proxy", "::"}}, ""},
        {"ftp://a/", {{"http_proxy", "http://p:1"}, {"all_proxy", "http://q:1"}}, "http://q:1"},
        {"a/b", {{"http_proxy", "http://p:1"}}, "http://p:1"},
    };
    for (const auto& c : cases) {
        const auto reader = [&](const char* name) -> std::optional<std::string> {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::nullopt : std::optional(found->second);
        };
        EXPECT_EQ(net::proxyFor(c.url, reader), c.proxy) << c.url << " with " << c.environment.size() << " variables";
    }
}

TEST(ProxySettingTest, ColonsInTheEnvironmentLeaveARealRequestUnproxied) {
    const LoopbackHttpServer server([](const std::string&) { return CannedResponse{200, {}, "reached", false}; });
    const std::string deadProxy = LoopbackHttpServer::refusingUrl("");
    const struct {
        const char* proxy;
        bool reachesServer;
    } cases[] = {{"::", true}, {":", true}, {deadProxy.c_str(), false}};
    for (const auto& c : cases) {
        testsupport::ScopedEnvironment environment;
        environment.set("no_proxy", std::nullopt);
        environment.set("NO_PROXY", std::nullopt);
        environment.set("http_proxy", c.proxy);
        net::HttpRequest request;
        bool reached = false;
        try {
            reached = request.get(server.url("/")).body == "reached";
        } catch (const std::exception&) {
        }
        EXPECT_EQ(reached, c.reachesServer) << "http_proxy=" << c.proxy;
    }
}

} // namespace
