// The stand-in host of the user story: started on one fresh data root with the plug-in loaded and its
// global utility running, with a scene to work in, and with host work behind the Editable Poly commands
// so that running one changes the scene in one undoable step.
#pragma once

#include <host/actions.h>
#include <max.h>

#include <filesystem>

#include "story_host_view.h"

namespace Talvo {

// The host's own work for the "Editable Polygon Object" commands: each lifts the selected vertices of the
// edited poly object by 10 units, as one undoable scene change.
class LiftVertices : public ActionCallback {
 public:
  BOOL ExecuteAction(int id) override;
  INode* node = nullptr;
};

class StoryHost {
 public:
  // Empties the root, starts the host on it and loads the plug-in; false when that fails.
  bool Start(const std::filesystem::path& root);
  // Closes the editor, shuts the host down (keeping nothing unsaved) and unloads the plug-in.
  void Stop();
  // A box at vertex level with one vertex selected, open in the modify panel and shown in the host's
  // window.
  INode* BuildScene();
  // The host's view of the scene, its undo list and its listener (null before BuildScene).
  HWND SceneWindow() const { return view_.Window(); }
  // The height of the box's first vertex, which the Editable Poly commands lift.
  float LiftedHeight() const;

 private:
  LiftVertices lift_;
  StoryHostView view_;
  GUP* utility_ = nullptr;
};

}  // namespace Talvo
