#include "catalogue.h"

namespace icongen {
namespace {

ImageSpec Button(const std::string& name, int size, Glyph glyph) {
  return {name, ImageKind::Button, "bmp", size, size, std::move(glyph), {}};
}

ImageSpec Picture(const std::string& name, int size, Glyph glyph) {
  return {name, ImageKind::Picture, "bmp", size, size, std::move(glyph), {}};
}

ImageSpec Plain(const std::string& name, int size, Glyph glyph) {
  return {name, ImageKind::Plain, "bmp", size, size, std::move(glyph), {}};
}

// The page toolbars' icon file: pairs of up and pressed images. The pages use the first pairs by
// position (0 save, 1 new, 2 delete, 3 import, 4 export, 5 export as archive); the rest are spares in
// the same look, so that the file holds the 28 icons the profiles page asks for.
ImageSpec ToolbarStrip() {
  const std::vector<Glyph> commands = {
      glyphs::Save,  glyphs::NewDocument, glyphs::Delete, glyphs::Import, glyphs::Export,
      glyphs::ExportArchive, glyphs::Clone, glyphs::Rename, glyphs::Copy, glyphs::Paste,
      glyphs::Undo,  glyphs::Redo, glyphs::Keyboard, glyphs::Options};
  ImageSpec strip{"TalvoProfile", ImageKind::Strip, "png", 20 * 2 * static_cast<int>(commands.size()), 20, {}, {}};
  for (const Glyph& glyph : commands) {
    strip.cells.push_back({glyph, false});
    strip.cells.push_back({glyph, true});
  }
  return strip;
}

std::vector<ImageSpec> Build() {
  std::vector<ImageSpec> images = {
      // Add-case buttons: the grid's corner button and the case cells, the tab strip's mode button, the
      // function editor's add-case button; the "Override Mode" cells show a dot instead.
      Button("TalvoPls-12x12", 12, glyphs::Plus),
      Button("TalvoPls-20x20", 20, glyphs::Plus),
      Button("TalvoPls-26x26", 26, glyphs::Plus),
      Button("TalvoDot-20x20", 20, glyphs::Dot),
      // Level stepping (back, forward) and selection-count stepping (fewer, more).
      Button("TalvoBck-26x26", 26, glyphs::ArrowLeft),
      Button("TalvoFwd-26x26", 26, glyphs::ArrowRight),
      Button("TalvoUp-26x26", 26, glyphs::ArrowUp),
      Button("TalvoDwn-26x26", 26, glyphs::ArrowDown),
      // The custom-code buttons of the script cells: edit/save, load, copy, paste, delete.
      Button("Talvo_ScriptSave_h16", 16, glyphs::Save),
      Button("Talvo_ScriptLoad_h16", 16, glyphs::Load),
      Button("Talvo_ScriptCopy_h16", 16, glyphs::Copy),
      Button("Talvo_ScriptPaste_h16", 16, glyphs::Paste),
      Button("Talvo_ScriptDel_h16", 16, glyphs::Delete),
      // The product logo of the pages.
      Picture("TalvoLogo", 22, glyphs::Logo),
      // Sub-object levels of the level pictures, in every order the pages load them.
      Plain("Talvo_PolyVertex_32x32", 32, glyphs::PolyVertex),
      Plain("Talvo_PolyEdge_32x32", 32, glyphs::PolyEdge),
      Plain("Talvo_PolyFace_32x32", 32, glyphs::PolyFace),
      Plain("Talvo_PolyBorder_32x32", 32, glyphs::PolyBorder),
      Plain("Talvo_PolyElement_32x32", 32, glyphs::PolyElement),
      Plain("Talvo_PolyGeometry_32x32", 32, glyphs::PolyGeometry),
      Plain("Talvo_Objects_32x32", 32, glyphs::Objects),
      Plain("Talvo_Override_32x32", 32, glyphs::Override),
      // The overlay's function buttons show how many taps run them.
      Plain("TalvoTap1-24x24", 24, glyphs::Taps(1)),
      Plain("TalvoTap2-24x24", 24, glyphs::Taps(2)),
      Plain("TalvoTap3-24x24", 24, glyphs::Taps(3)),
      Plain("TalvoTap4-24x24", 24, glyphs::Taps(4)),
      // Host icon files: the page toolbars and the "+" tab of the case and wheel-event tab strips.
      ToolbarStrip(),
      {"TalvoPlus14", ImageKind::Strip, "png", 14, 14, {}, {{glyphs::Plus, false}}},
  };
  // The quick-profile slot markers, numbered 1 to 6.
  for (int slot = 1; slot <= 6; ++slot) {
    images.push_back(Picture("Talvo_" + std::to_string(slot), 24, glyphs::Marker(slot)));
  }
  return images;
}

}  // namespace

const std::vector<ImageSpec>& Catalogue() {
  static const std::vector<ImageSpec> images = Build();
  return images;
}

}  // namespace icongen
