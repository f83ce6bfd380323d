#include <cstdio>

// The host and its window are not built yet: until then the executable says what it is.
int main() {
    std::printf("Tumble %s\n"
                "The engine's runtime core is built (formatting, exceptions); the window, the\n"
                "script host and the game arrive in the next steps.\n",
                TUMBLE_VERSION);
    return 0;
}
