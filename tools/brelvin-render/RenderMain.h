// brelvin-render: the calendar window's picture as a PNG file or a PDF page. Exit codes: 0 written (or
// the help or version shown), 1 the output could not be written, 2 the command line was
// refused (nothing written; the message points to --help).
#pragma once

int RenderMain(int argc, const char* const* argv);
