#pragma once

// The print window and printing live in the library sumtrail_print, which the main menu
// loads when the window is first opened (see ui/ondemandlibrary.h).
namespace printmenuentry {
inline constexpr char Library[] = "sumtrail_print";
inline constexpr char Open[] = "sumtrailOpenPrintMenu";
// Loads (or finds) the print window and shows it.
using OpenFunction = void();
} // namespace printmenuentry
