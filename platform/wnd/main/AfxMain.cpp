// The program's entry point: the framework runs the application object.
#include "platform/wnd/CWinApp.h"

int main(int argc, char* argv[]) { return AfxWinMain(argc, argv); }
