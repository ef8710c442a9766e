// TalvoApp: the plug-in module's application object. Starting the module loads every document (writing the
// default documents on the first start), fills the list of custom scripts that the script drop-downs show,
// installs the host-coloured look, connects the overlay and the editor's grid redraw to the plug-in core,
// and listens for the host's shutdown, when unsaved work is offered for saving. Stopping it disconnects
// them again.
#pragma once

#include <afxwin.h>

namespace Talvo {

class TalvoApp : public CWinApp {
 public:
  TalvoApp();

  BOOL InitInstance() override;
  int ExitInstance() override;
};

// The module's one application object, which the host's loading of the module starts.
extern TalvoApp theApp;

}  // namespace Talvo
