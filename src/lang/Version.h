// The program's version, in one place: the version resource, the About dialog's version
// text and the release's file names all read it. Plain defines, so the resource compiler
// can read them too.
#pragma once

#define PENDRA_VERSION_MAJOR 1
#define PENDRA_VERSION_MINOR 3
#define PENDRA_VERSION_TEXT "1.3"
#define PENDRA_FILE_VERSION_TEXT "1.3.0.0"
