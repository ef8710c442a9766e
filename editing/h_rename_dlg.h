// hRenameDlg: what the rename dialogs of imported documents share. When the dialog is shown it names
// the clash (the imported document's current name) and proposes the first free name made by appending
// a counter ("Box" gives "Box 01" .. "Box 09", then "Box 10", ...); every edit of the name field
// becomes the result name, whatever it is (empty or still taken: the caller checks again). The derived
// dialogs say whose name it is, how names are counted and how OK renames the document. The proposal and
// the field's length limit are the ones every import's rename dialog uses (pagebase/rename_proposal.h).
#pragma once

#include <afxwin.h>

#include <functional>
#include <string>

#include "controls/edit.h"
#include "controls/label.h"
#include "pagebase/h_themed_dlg.h"

namespace Talvo {

class hRenameDlg : public hThemedDlg {
  DECLARE_DYNAMIC(hRenameDlg)
 public:
  ~hRenameDlg() override;

  // The name that OK applies.
  const std::wstring& GetResultName() const { return resultName_; }

  // How many documents carry a name.
  using NameCounter = std::function<int(const std::wstring& name)>;

 protected:
  hRenameDlg(UINT templateId, CWnd* parent);

  void DoDataExchange(CDataExchange* pDX) override;

  // Shows `currentName` as the clash and puts the first free name into the field and the result.
  void ProposeName(const std::wstring& currentName, const NameCounter& count);
  // EN_CHANGE of the name field.
  void OnNameChange();

  DECLARE_MESSAGE_MAP()

 private:
  Label clashLabel_;
  Edit nameField_;
  CMFCButton okButton_;
  CMFCButton cancelButton_;
  std::wstring resultName_;
};

}  // namespace Talvo
