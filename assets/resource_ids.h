/* Numeric resource ids shared by Pendra.rc and the code. The pictures are named RCDATA
   resources ("IMG_TOP", ...; see Pendra.rc) and need no number. */
#pragma once

/* The program icon: the first icon, so Explorer and the window class show it. */
#define MAINICON 1

/* The language identifier of the resources ("DEUTSCH" or "ENGLISH"), a string. */
#define IDS_LANGUAGE 100
