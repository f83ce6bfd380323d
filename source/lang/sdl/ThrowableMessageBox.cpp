#include "lang/Throwable.h"

#include <SDL.h>

#include <cstdlib>

namespace lang {

void Throwable::showMessageBox() const {
    enum Choice { Abort, Retry, Ignore };
    const SDL_MessageBoxButtonData buttons[] = {
        {0, Abort, "Abort"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, Retry, "Retry"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, Ignore, "Ignore"},
    };
    const SDL_MessageBoxData box{SDL_MESSAGEBOX_ERROR,
                                 nullptr,
                                 "C++ Exception Generated!",
                                 m_message.c_str(),
                                 SDL_arraysize(buttons),
                                 buttons,
                                 nullptr};
    int choice = Ignore;
    // Without a display the box cannot be shown; the caller goes on as after Ignore.
    if (SDL_ShowMessageBox(&box, &choice) == 0 && choice == Abort)
        std::exit(-1);
}

} // namespace lang
