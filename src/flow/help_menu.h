// The Help menu every window shares: contents, search, About.
#pragma once

void QuitHelp();
void ShowHelpContents();
void ShowHelpSearch();
// The Help menu's items by index (the separator keeps its index).
enum HelpMenuItem { kHelpContents = 0, kHelpSearch = 1, kHelpAbout = 3 };
// Index of the Help item clicked (HelpMenuItem); anything else does nothing.
void DispatchHelpMenuItem(int& Index);
