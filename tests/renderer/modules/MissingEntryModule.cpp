// A renderer module that loads but does not export "createContext".
extern "C" __attribute__((visibility("default"))) int rendererVersion() { return 1; }
