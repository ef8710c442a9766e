#include "pagebase/editor_frame_link.h"

namespace Talvo {

namespace {
iEditorFrame* g_frame = nullptr;
}  // namespace

iEditorFrame* EditorFrame() { return g_frame; }
void SetEditorFrame(iEditorFrame* frame) { g_frame = frame; }

}  // namespace Talvo
