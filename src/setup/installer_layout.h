// TFormXInstaller's component tree as data, and the rules that mirror the page stepping into it.
// The Win32 form creates its controls from these rows; the tests walk the same rows.
#pragma once

#include <string>
#include <vector>

#include "forms/component.h"
#include "forms/layout.h"
#include "setup/installer_pages.h"

namespace saverkit {

inline constexpr int kInstallerWidth = 542;
inline constexpr int kInstallerHeight = 373;
inline constexpr char kInstallerCaption[] = "Install";
inline constexpr char kErrorTitle[] = "ScreenSaver Installer";
inline constexpr char kDirectoryChosenPrompt[] = "Your ScreenSaver will be installed to:";

// Dynamic texts the wizard uses, by index.
inline constexpr int kSetupCaptionText = 21;
inline constexpr int kOverwriteQuestionText = 23;
inline constexpr int kCopyFailedText = 24;

const std::vector<LayoutRow>& InstallerRows();
// The rows added to `form`, with the form's font, Arial of 13 pixels.
void AddInstallerLayout(ComponentOwner& form);

// The page control's sheets in page order: TSScr, TSLicense, TSDest.
const char* PageName(InstallerPage page);

// Active page, its title on PanelHideTabs, and the Prev and Next buttons, from the stepping state.
void ShowInstallerPage(ComponentOwner& form, const InstallerPages& pages);

// PanelHideTabs covers the page control's tab row, in front of it: its left, top and width, and
// tab height + 5.
void CoverTabs(ComponentOwner& form);

// The error state: only LabelError ("Data Error...") remains, in front.
void ShowDataError(ComponentOwner& form);

}  // namespace saverkit
