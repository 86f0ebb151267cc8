#include "flow/help_menu.h"

#include "flow/main_menus.h"
#include "flow/windows.h"
#include "platform/services.h"

void QuitHelp() {
  if (platform::Help* h = platform::services().help) h->quit();
}

void ShowHelpContents() {
  if (platform::Help* h = platform::services().help) h->contents();
}

void ShowHelpSearch() {
  if (platform::Help* h = platform::services().help) h->search("");
}

void DispatchHelpMenuItem(int& Index) {
  switch (Index) {
    case kHelpContents: ShowHelpContents(); break;
    case kHelpSearch: ShowHelpSearch(); break;
    case kHelpAbout: ShowWindowOrNotice(flow::windows().aboutBox); break;
    default: break;
  }
}
