#include "tools/brelvin-render/RenderMain.h"

int main(int argc, char** argv) { return RenderMain(argc, argv); }
