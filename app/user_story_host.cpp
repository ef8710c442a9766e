#include "user_story_host.h"

#include <windows.h>
#include <host/directories.h>
#include <host/scene_builder.h>
#include <host/simulation.h>
#include <host/undo.h>
#include <mfc/simulation.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <optional>
#include <system_error>

#include "engine/module.h"
#include "frame/frame.h"
#include "model/file_names.h"
#include "model/talvo.h"
#include "model/text.h"

namespace Talvo {

namespace {

constexpr float kLift = 10.0f;

class Lift : public RestoreObj {
 public:
  explicit Lift(MNMesh& mesh) : mesh_(mesh) { Redo(); }
  void Restore(int) override { Move(-kLift); }
  void Redo() override { Move(kLift); }

 private:
  void Move(float dz) {
    for (int i = 0; i < mesh_.VNum(); ++i)
      if (mesh_.V(i)->GetFlag(MN_SEL)) mesh_.V(i)->p.z += dz;
  }
  MNMesh& mesh_;
};

}  // namespace

BOOL LiftVertices::ExecuteAction(int) {
  PolyObject* poly = hostsim::GetPolyObject(node);
  if (poly == nullptr) return FALSE;
  theHold.Put(new Lift(*poly->GetMeshPtr()));
  return TRUE;
}

bool StoryHost::Start(const std::filesystem::path& root) {
  std::error_code error;
  std::filesystem::remove_all(root, error);
  std::filesystem::create_directories(root, error);
  const std::optional<std::wstring> folder = WideFromPath(std::filesystem::absolute(root));
  if (error || !folder) return false;
  hostsim::Start(*folder);
  hostsim::SetDirectory(APP_ICONS_DIR, Utf8ToWide(TALVO_SOURCE_ICONS));
  hostsim::InstallStandardActions();
  GetCOREInterface()->GetActionManager()->ActivateActionTable(&lift_, kActionEditablePolyTable);
  if (!mfcsim::LoadModule()) return false;
  utility_ = static_cast<GUP*>(LibClassDesc(1)->Create(FALSE));
  utility_->Start();
  return true;
}

void StoryHost::Stop() {
  if (Frame* frame = *GetFrame()) ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
  winsim::PumpMessages();
  winsim::AnswerMessageBox(IDNO, {}, winsim::Repeat::Always);  // nothing of the story is kept
  view_.Close();
  hostsim::Shutdown();
  if (utility_ != nullptr) {
    utility_->Stop();
    utility_->DeleteThis();
    utility_ = nullptr;
  }
  mfcsim::UnloadModule();
  GetTalvo().Clear();
  winsim::ResetModalResponder();
}

INode* StoryHost::BuildScene() {
  MNMesh mesh = hostsim::MakeBoxMesh();
  hostsim::SelectVertices(mesh, {0});
  lift_.node = hostsim::AddEditablePoly(L"Box001", mesh, EP_SL_VERTEX);
  hostsim::SelectNodes({lift_.node});
  hostsim::SetCurEditObject(hostsim::GetPolyObject(lift_.node));
  view_.Show(lift_.node);
  return lift_.node;
}

float StoryHost::LiftedHeight() const {
  PolyObject* poly = hostsim::GetPolyObject(lift_.node);
  return poly != nullptr ? poly->GetMeshPtr()->V(0)->p.z : 0.0f;
}

}  // namespace Talvo
