// The Help menu every window shares: contents, search, About.
#pragma once

void QuitHelp();
void ShowHelpContents();
void ShowHelpSearch();
// Index of the Help item clicked: 0 contents, 1 search, 3 About; anything else nothing.
void DispatchHelpMenuItem(int& Index);
