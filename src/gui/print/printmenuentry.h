#pragma once

// The print window and printing live in the library sumtrail_print, which the main menu
// loads when the window is first opened (see ui/ondemandlibrary.h).
class Form;

namespace printmenuentry {
inline constexpr char Library[] = "sumtrail_print";
inline constexpr char Open[] = "sumtrailOpenPrintMenu";
// Makes a print window, not yet shown, for the caller to own; it says when it has closed.
using OpenFunction = Form *();
} // namespace printmenuentry
