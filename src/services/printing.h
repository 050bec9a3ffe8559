// Printing for the screens: Bafo's printer panel over the screen (the
// printers the machine knows, the default chosen; Print and Cancel), then
// the page. The panel is the one way a screen prints.
#pragma once

#include "platform/surface.h"

#include <string>

namespace bafo {

// Where the panel and its parts lie on the 800 × 600 screen.
constexpr Rect kPrintPanel{160, 135, 480, 330};
constexpr Rect kPrintYes{410, 375, 100, 76};  // print (not there without a printer)
constexpr Rect kPrintNo{520, 375, 100, 76};   // cancel
constexpr int kPrintRows = 4;                 // printers listed at once
// Printer i's line in the list.
constexpr Rect print_row(int i) { return {320, 159 + 50 * i, 300, 48}; }

// Shows the panel and waits for the child. Print sends `picture` at
// width_in × height_in inches, centred on the default sheet (turned for
// landscape); a refusal is shown with the print service's own words.
// True only when the printer took the page.
bool vytiskni(const Surface& picture, double width_in, double height_in, bool landscape, const std::string& title);

}  // namespace bafo
