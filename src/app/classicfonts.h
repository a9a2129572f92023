#pragma once

// The windows are laid out in fixed pixels for the small classic dialog fonts. Maps the font
// names the windows ask for onto metric-compatible fonts that Linux desktops carry, and makes
// the same small sans-serif face the program's default, so every caption fits its control.
void useClassicFonts();
