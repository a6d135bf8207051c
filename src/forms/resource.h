// Resource identifiers shared by the resource script and the windows.
#pragma once

#define IDI_TARNIX 1
#define IDB_SKIN 101       // dialog skin, 24-bit background
#define IDB_SKIN_MASK 102  // the same pixels, 256 colours, for shaping
#define IDB_SPRACHE0 110   // language buttons 0..3 follow in order
#define IDB_LOGO 120
#define IDB_RIPPLES 130
#define IDB_BLITZ_MASK 131
