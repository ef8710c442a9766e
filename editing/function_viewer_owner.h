// What a function viewer reads of the key-assignment page that holds its tab strip: the key whose function
// it shows. The page lives in the editor and implements this interface; the viewer finds it as the strip's
// parent window (two levels above a viewer page).
#pragma once

#include <afxwin.h>

namespace Talvo {

class XmlFunction;

class iFunctionViewerOwner {
 public:
  // The key number of the page.
  virtual int GetViewerKey() const = 0;

 protected:
  ~iFunctionViewerOwner() = default;
};

// The function the viewer under `owner` shows: the current profile's function for the owner's key (null
// without a current profile or when the key has no function of the function folder); the current
// function when `owner` is no key-assignment page.
XmlFunction* FindShownFunction(CWnd* owner);

}  // namespace Talvo
