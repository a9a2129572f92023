#pragma once

// The windows are laid out in fixed pixels for the small classic dialog fonts. Makes the
// classic sans-serif face the program's default and maps the serif face of the help text onto
// a metric-compatible font that Linux desktops carry, so every caption fits its control.
void useClassicFonts();
