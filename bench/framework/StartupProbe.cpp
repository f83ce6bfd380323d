// A host run with the smallest application: it says "F" on standard output as soon as its
// first frame has been presented, then quits. The start-up benchmark times it from outside.
#include "framework/Host.h"
#include "renderer/Context.h"

#include <memory>
#include <unistd.h>

namespace {

class FirstFrameApp : public framework::App {
public:
    using App::App;
    void update(float, gr::Context& context, int) override {
        context.beginScene();
        context.clear(0xFF000000);
        context.endScene();
        context.present();
        context.endFrame();
        if (!m_told)
            m_told = write(STDOUT_FILENO, "F", 1) == 1;
    }

private:
    bool m_told = false;
};

} // namespace

int main(int, char** argv) {
    framework::CommandLine commandLine;
    commandLine.arguments = {argv[0]};
    commandLine.frames = 1;
    return framework::run(
        commandLine, {[](framework::Configuration& configuration, framework::OSInterface&) {
                          configuration.renderers = {gr::RendererKind::Gl2};
                          configuration.rendererDirectory = TUMBLE_BIN_DIR;
                      },
                      [](framework::OSInterface& os, gr::Context&) { return std::make_unique<FirstFrameApp>(os); }});
}
