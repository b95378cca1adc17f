#pragma once
// The link between the main window and the field sheet. The sheet's module
// (with the precise sun and the page painting) is loaded only when the
// sheet is first opened.

#include "sheet_request.h"

#include <functional>
#include <optional>

namespace orvane {

// Shows the one field sheet for `request`, raised when already shown.
// `openTimePage` is what the sheet's time link does.
void openFieldSheet(const SheetRequest &request, std::function<void()> openTimePage);

// Shows `request` in the sheet when it is shown; loads nothing otherwise.
void updateFieldSheet(const SheetRequest &request);

// Told the wall's facing in degrees (none when the readings give none)
// whenever the sheet's wall readings change.
void setFieldSheetWallListener(std::function<void(std::optional<double>)> listener);

// Closes the sheet if it was ever opened and forgets the time link's action.
void closeFieldSheet();

// Whether the sheet module has been loaded in this process.
bool fieldSheetModuleLoaded();

} // namespace orvane
