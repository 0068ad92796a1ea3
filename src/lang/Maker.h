// The maker's name and copyright notice, in one place: the About dialog, the version resource
// and the installer read them; LICENSE names the same maker. Plain defines, so the resource
// compiler and the release script can read them too.
#pragma once

#define PENDRA_MAKER "Feldmark Software"
#define PENDRA_COPYRIGHT_YEAR "2026"
#define PENDRA_COPYRIGHT_NOTICE "Copyright © " PENDRA_COPYRIGHT_YEAR " " PENDRA_MAKER
