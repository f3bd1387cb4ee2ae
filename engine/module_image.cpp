// The engine's module as the build made it, placed in the program's read-only data. Its pages
// are read only when the module is loaded (browser/engine_loader.cpp).
//
// (A compiler cache does not keep an object that takes in a file this way, so a changed module
// always comes into the program.)

asm(".section .rodata\n"
    ".balign 64\n"
    ".global ribemoEngineImage\n"
    ".hidden ribemoEngineImage\n"
    "ribemoEngineImage:\n"
    ".incbin \"" RIBEMO_ENGINE_IMAGE
    "\"\n"
    ".global ribemoEngineImageEnd\n"
    ".hidden ribemoEngineImageEnd\n"
    "ribemoEngineImageEnd:\n"
    ".previous\n");
