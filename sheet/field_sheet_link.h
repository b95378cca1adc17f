#pragma once
// The link between the main window and the field sheet. The sheet's module
// (with the precise sun and the page painting) is loaded only when the
// sheet is first opened.

#include "sheet_request.h"

#include <optional>

namespace orvane {

// What the sheet tells the window that opened it.
class FieldSheetListener {
public:
    // The sheet's time link was followed.
    virtual void sheetTimeLinkFollowed() = 0;
    // The wall's facing in degrees (none when the readings give none),
    // whenever the sheet's wall readings change.
    virtual void sheetWallFacingChanged(std::optional<double> facingDeg) = 0;

protected:
    ~FieldSheetListener() = default;
};

// Shows the one field sheet for `request`, raised when already shown; it
// tells `listener` until closeFieldSheet().
void openFieldSheet(const SheetRequest &request, FieldSheetListener &listener);

// Shows `request` in the sheet when it is shown; loads nothing otherwise.
void updateFieldSheet(const SheetRequest &request);

// Closes the sheet if it was ever opened; it tells its listener no more.
void closeFieldSheet();

// Whether the sheet module has been loaded in this process.
bool fieldSheetModuleLoaded();

} // namespace orvane
